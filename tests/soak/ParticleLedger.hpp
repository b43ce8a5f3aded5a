#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/ParticleRenderer.hpp"
#include "toolkit/Connection.hpp"
#include "world/World.hpp"

// Watches a world's particles from inside the particle system: an emitter that emits nothing,
// registered before any other, so that it runs at the start of every update, exactly before
// the trails read their projectiles. There it checks that every trail follows a projectile
// the world still holds, that no emitter is left over, and that the living particles are no
// more than the bursts and trails of the last second can have made.
class ParticleLedger {
public:
    // A burst is called for seven updates (0.1 s in steps of 16666 microseconds); the fastest,
    // 600 particles a second, makes 69 in that time, fractions carried included.
    static constexpr std::uint64_t kMostParticlesPerBurst = 70;
    static constexpr std::uint64_t kBurstUpdates = 7;
    // A trail emits 50 a second, at most one particle per update.
    static constexpr std::uint64_t kMostParticlesPerTrailUpdate = 1;
    // A particle lives one second: it ages in the update that made it and dies in the 61st.
    static constexpr std::uint64_t kLifetimeUpdates = 61;

    ParticleLedger(ParticleRenderer& renderer, const World& world)
        : renderer(renderer), world(world), beforeFirstUpdate{renderer.burstsStarted, 0} {
        probe =
            renderer.particles.addEmitter([this](tk::EmissionInterface&, sf::Time) { onUpdate(); });
    }
    ~ParticleLedger() { probe.disconnect(); }
    ParticleLedger(const ParticleLedger&) = delete;
    ParticleLedger& operator=(const ParticleLedger&) = delete;

    // Between updates too (a jump back swaps every projectile without an update), each trail
    // must follow a projectile of the world and each projectile must have its own trail.
    void checkTrails(const char* when) {
        const std::vector<ParticleRenderer::Trail> trails = renderer.connectedTrails();
        std::vector<const Projectile*> followed;
        followed.reserve(trails.size());
        for (const ParticleRenderer::Trail& trail : trails) {
            followed.push_back(trail.projectile);
        }
        std::sort(followed.begin(), followed.end());
        const auto& projectiles = world.getState().projectiles;
        std::size_t cut = 0;
        std::size_t untracked = 0;
        for (const Projectile& projectile : projectiles) {
            cut += projectile.emitterConnection.isConnected() ? 0 : 1;
            untracked += std::binary_search(followed.begin(), followed.end(), &projectile) ? 0 : 1;
        }
        if (followed.size() != projectiles.size() || cut != 0 || untracked != 0) {
            std::ostringstream text;
            text << when << ": " << followed.size() << " trails for " << projectiles.size()
                 << " projectiles, " << cut << " projectiles without a connected trail, "
                 << untracked << " projectiles no trail follows";
            fail(text.str());
        }
    }

    const std::string& failure() const { return firstFailure; }
    std::size_t peakParticles() const { return peak; }
    std::uint64_t updates() const { return updateCount; }

private:
    struct Update {
        std::uint64_t burstsStarted = 0;  // by the end of the step this update ends
        std::uint64_t trails = 0;         // trails emitting in this update
    };

    void onUpdate() {
        const std::uint64_t trails = renderer.connectedTrails().size();
        Update& now = recent[updateCount % recent.size()];
        now = {renderer.burstsStarted, trails};
        checkEmitters();
        checkParticleBound();
        checkTrails("before an update");
        ++updateCount;
    }

    // What was recorded a number of updates back, or what stood before the first one.
    Update back(std::uint64_t updates) const {
        return updates > updateCount ? beforeFirstUpdate
                                     : recent[(updateCount - updates) % recent.size()];
    }

    // This probe, the bursts started in the last seven steps, and one emitter per trail.
    void checkEmitters() {
        const std::uint64_t bursts = back(0).burstsStarted - back(kBurstUpdates).burstsStarted;
        const std::uint64_t expected = 1 + bursts + back(0).trails;
        const std::size_t actual = renderer.particles.emitterCount();
        if (actual != expected) {
            std::ostringstream text;
            text << "update " << updateCount << ": " << actual << " emitters, expected " << expected
                 << " (" << bursts << " bursts running, " << back(0).trails << " trails)";
            fail(text.str());
        }
    }

    // The particles alive now came from the last second's updates; one update of slack on
    // each side keeps the bound safe from off-by-one counting without loosening it much.
    void checkParticleBound() {
        const std::uint64_t burstWindow = kLifetimeUpdates + kBurstUpdates + 1;
        std::uint64_t bound =
            kMostParticlesPerBurst * (back(0).burstsStarted - back(burstWindow).burstsStarted);
        for (std::uint64_t k = 0; k <= kLifetimeUpdates; ++k) {
            bound += kMostParticlesPerTrailUpdate * back(k).trails;
        }
        const std::size_t alive = renderer.particles.particleCount();
        peak = std::max(peak, alive);
        if (alive > bound) {
            std::ostringstream text;
            text << "update " << updateCount << ": " << alive
                 << " particles alive, more than the last second's bursts and trails can make ("
                 << bound << ")";
            fail(text.str());
        }
    }

    void fail(const std::string& text) {
        if (firstFailure.empty()) {
            firstFailure = text;
        }
    }

    ParticleRenderer& renderer;
    const World& world;
    const Update beforeFirstUpdate;
    tk::Connection probe;
    std::array<Update, 128> recent{};
    std::uint64_t updateCount = 0;
    std::size_t peak = 0;
    std::string firstFailure;
};
