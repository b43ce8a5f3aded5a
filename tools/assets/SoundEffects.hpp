#pragma once

#include <string>
#include <vector>

#include "SampleBuffer.hpp"

namespace assetgen {

// One finished sound effect and the file name the game asks for.
struct SoundEffect {
    std::string fileName;
    SampleBuffer samples;
};

// The six effect sounds. Each is short, starts and ends in silence, and is levelled to the same
// loudness, because the game plays them all at full volume over one another.
class SoundEffects {
public:
    // Loudness of every effect (RMS over the whole file) and the ceiling no peak may cross.
    static constexpr float kTargetRms = 0.13f;
    static constexpr float kCeiling = 0.9f;

    static std::vector<SoundEffect> synthesiseAll();

    // A short sharp shot: a cracking transient over a quick low thump and a breath of room.
    static SampleBuffer turretShoot();
    // A wet thud on flesh: a dull low knock with a squelch sliding down.
    static SampleBuffer zombieHit();
    // A low explosion: a crack, a falling boom and a rumble that darkens as it dies.
    static SampleBuffer mineDestroy();
    // A bite and snarl: a rough throaty growl with two clacks of teeth.
    static SampleBuffer zombieAttack();
    // A blow on wood and metal: a hollow knock with a short metallic ring.
    static SampleBuffer zombieTurret();
    // A building giving way: a heavy impact, a crunch, then debris clattering down.
    static SampleBuffer turretDestroy();

private:
    static SampleBuffer finish(SampleBuffer sound);
};

}  // namespace assetgen
