#pragma once

#include <SFML/System/Time.hpp>

// Owes the simulation the real time that has passed, one fixed step at a time, so the game runs
// at the same speed whatever the frame rate and catches up after a stall.
class FixedStep {
public:
    explicit FixedStep(sf::Time step) : step(step) {}

    void add(sf::Time elapsed) { owed += elapsed; }
    // Strictly more than one step must be owed: exactly one step's worth waits for the next pass.
    bool stepDue() const { return owed > step; }
    void consume() { owed -= step; }

private:
    sf::Time step;
    sf::Time owed;
};
