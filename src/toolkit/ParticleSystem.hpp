#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Time.hpp>
#include <cstddef>
#include <functional>
#include <vector>

#include "toolkit/Connection.hpp"
#include "toolkit/EmissionInterface.hpp"
#include "toolkit/Particle.hpp"
#include "toolkit/SlotList.hpp"

namespace tk {

// Owns the living particles of one texture with the emitters that create them and the
// affectors that change them, and draws them all in one call.
class ParticleSystem : public sf::Drawable, private EmissionInterface {
public:
    using Emitter = std::function<void(EmissionInterface&, sf::Time)>;
    // Changes the particles that live on after an update, all of them in one call, so that
    // the work per particle is a plain loop; it must touch only the particles it is given.
    using Affector = std::function<void(ParticleRange, sf::Time)>;

    // Keeps a pointer: the texture must outlive the system. Every particle shows all of it.
    void setTexture(const sf::Texture& texture);

    // A removal time of zero keeps the entry until it is disconnected; otherwise the entry is
    // updated until that much time has passed, then removed, and its handles read disconnected.
    // An empty function is not registered and gets a disconnected handle.
    Connection addEmitter(Emitter emitter, sf::Time timeUntilRemoval = sf::Time::Zero);
    Connection addAffector(Affector affector, sf::Time timeUntilRemoval = sf::Time::Zero);

    // Emitters run, then particles age, move and are affected, then affectors count down.
    void update(sf::Time dt);

    std::size_t particleCount() const;
    std::size_t emitterCount() const;
    const std::vector<Particle>& livingParticles() const;

    // One quad per particle in stored order, so newer particles lie on top.
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    // A function with an optional countdown to its removal.
    template <typename Function>
    struct Timed {
        Function function;
        sf::Time remaining;
        bool expires;
    };

    void emitParticle(const Particle& particle) override;
    // Ages and moves the particles, drops those whose life is over keeping the order of the
    // others, then hands the survivors to the affectors.
    void updateParticles(sf::Time dt);
    sf::VertexArray buildVertices() const;

    // An empty function is refused with a handle that is already disconnected.
    template <typename Function>
    static Connection addTimed(SlotList<Timed<Function>>& entries, Function function,
                               sf::Time timeUntilRemoval) {
        if (!function) {
            return Connection();
        }
        const bool expires = timeUntilRemoval != sf::Time::Zero;
        return entries.add({std::move(function), timeUntilRemoval, expires});
    }

    // Counts every timed entry down by dt and removes those whose time is up.
    template <typename Function>
    static void countDown(SlotList<Timed<Function>>& entries, sf::Time dt) {
        entries.forEach([dt](Timed<Function>& entry) {
            if (entry.expires) {
                entry.remaining -= dt;
            }
        });
        entries.removeIf([](const Timed<Function>& entry) {
            return entry.expires && entry.remaining <= sf::Time::Zero;
        });
    }

    const sf::Texture* texture = nullptr;
    std::vector<Particle> particles;
    SlotList<Timed<Emitter>> emitters;
    SlotList<Timed<Affector>> affectors;
};

}  // namespace tk
