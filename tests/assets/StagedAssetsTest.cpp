// The asset tree as the game finds it in its working folder: every file the game asks for must
// load with SFML and have the sizes and qualities the game's drawing and sound code rely on.

#include <gtest/gtest.h>

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MusicComposer.hpp"

namespace {

const std::string kAssets = std::string(ZEMBROOK_STAGE_DIR) + "/assets/";

sf::Image loadPicture(const std::string& name) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(kAssets + "textures/" + name)) << name;
    return image;
}

std::vector<sf::Int16> readAll(sf::InputSoundFile& file) {
    std::vector<sf::Int16> samples(static_cast<std::size_t>(file.getSampleCount()));
    samples.resize(static_cast<std::size_t>(file.read(samples.data(), samples.size())));
    return samples;
}

double rmsOf(const std::vector<sf::Int16>& samples) {
    double sum = 0.0;
    for (const sf::Int16 sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

int peakOf(const std::vector<sf::Int16>& samples) {
    int peak = 0;
    for (const sf::Int16 sample : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return peak;
}

// Bits per sample straight from the WAV header, which SFML does not report.
int wavBitsPerSample(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> header(36);
    file.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    return header[34] | (header[35] << 8);
}

const std::vector<std::string> kSounds{"turret-shoot.wav",  "zombie-hit.wav",
                                       "mine-destroy.wav",  "zombie-attack.wav",
                                       "zombie-turret.wav", "turret-destroy.wav"};

}  // namespace

TEST(StagedAssetsTest, TilesAreThirtyPixelsSquareAndOpaque) {
    for (const std::string name : {"floor.png", "block.png"}) {
        const sf::Image tile = loadPicture(name);
        ASSERT_EQ(tile.getSize(), sf::Vector2u(30, 30)) << name;
        for (unsigned y = 0; y < 30; ++y) {
            for (unsigned x = 0; x < 30; ++x) {
                ASSERT_EQ(tile.getPixel(x, y).a, 255) << name << " at " << x << "," << y;
            }
        }
    }
}

TEST(StagedAssetsTest, BuildSheetStacksThreeOpaqueSeventyByFiftyPanels) {
    const sf::Image sheet = loadPicture("build.png");
    ASSERT_EQ(sheet.getSize(), sf::Vector2u(70, 150));
    for (unsigned y = 0; y < 150; ++y) {
        for (unsigned x = 0; x < 70; ++x) {
            ASSERT_EQ(sheet.getPixel(x, y).a, 255) << x << "," << y;
        }
    }
}

TEST(StagedAssetsTest, EntityPicturesHaveTheirSizesTransparentCornersAndASolidMiddle) {
    struct Expected {
        const char* name;
        unsigned smallest;
        unsigned largest;
    };
    const std::vector<Expected> pictures{
        {"zombie.png", 16, 22},    {"human.png", 16, 22}, {"turret.png", 18, 24},
        {"barricade.png", 16, 24}, {"mine.png", 16, 24},  {"projectile.png", 8, 14},
        {"particle.png", 8, 32},
    };
    for (const Expected& expected : pictures) {
        const sf::Image image = loadPicture(expected.name);
        const sf::Vector2u size = image.getSize();
        EXPECT_GE(std::min(size.x, size.y), expected.smallest) << expected.name;
        EXPECT_LE(std::max(size.x, size.y), expected.largest) << expected.name;
        ASSERT_GT(size.x * size.y, 0u) << expected.name;
        for (const sf::Vector2u corner :
             {sf::Vector2u(0, 0), sf::Vector2u(size.x - 1, 0), sf::Vector2u(0, size.y - 1),
              sf::Vector2u(size.x - 1, size.y - 1)}) {
            EXPECT_EQ(image.getPixel(corner.x, corner.y).a, 0) << expected.name;
        }
        // The game centres a picture on (floor(w/2), floor(h/2)); something must be there.
        EXPECT_GT(image.getPixel(size.x / 2, size.y / 2).a, 200) << expected.name;
    }
}

TEST(StagedAssetsTest, ParticleIsWhiteAndFadesOutwardsFromItsCentre) {
    const sf::Image particle = loadPicture("particle.png");
    const sf::Vector2u size = particle.getSize();
    for (unsigned y = 0; y < size.y; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            const sf::Color pixel = particle.getPixel(x, y);
            if (pixel.a > 0) {
                ASSERT_EQ(pixel, sf::Color(255, 255, 255, pixel.a)) << x << "," << y;
            }
        }
    }
    const unsigned middle = size.y / 2;
    for (unsigned x = size.x / 2; x + 1 < size.x; ++x) {
        EXPECT_GE(particle.getPixel(x, middle).a, particle.getPixel(x + 1, middle).a) << x;
    }
    EXPECT_GT(particle.getPixel(size.x / 2, middle).a, 230);
}

TEST(StagedAssetsTest, SoundsAreShortMonoSixteenBitAudibleAndUnclipped) {
    for (const std::string& name : kSounds) {
        const std::string path = kAssets + "sounds/" + name;
        sf::SoundBuffer buffer;
        ASSERT_TRUE(buffer.loadFromFile(path)) << name;
        sf::InputSoundFile file;
        ASSERT_TRUE(file.openFromFile(path)) << name;
        EXPECT_EQ(file.getChannelCount(), 1u) << name;
        EXPECT_EQ(file.getSampleRate(), 44100u) << name;
        EXPECT_EQ(wavBitsPerSample(path), 16) << name;
        EXPECT_LT(file.getDuration().asSeconds(), 0.6f) << name;
        const std::vector<sf::Int16> samples = readAll(file);
        ASSERT_GT(samples.size(), 1000u) << name;
        EXPECT_LT(peakOf(samples), static_cast<int>(0.95 * 32767)) << name;
        EXPECT_GT(rmsOf(samples), 0.05 * 32767) << name;
        // Starting or stopping away from zero is heard as a click.
        EXPECT_LT(std::abs(samples.front()), 330) << name;
        EXPECT_LT(std::abs(samples.back()), 330) << name;
    }
}

TEST(StagedAssetsTest, SoundsShareOneLoudnessWithinThreeDecibels) {
    std::vector<double> decibels;
    for (const std::string& name : kSounds) {
        sf::InputSoundFile file;
        ASSERT_TRUE(file.openFromFile(kAssets + "sounds/" + name)) << name;
        decibels.push_back(20.0 * std::log10(rmsOf(readAll(file)) / 32767.0));
    }
    const auto [quietest, loudest] = std::minmax_element(decibels.begin(), decibels.end());
    EXPECT_LT(*loudest - *quietest, 3.0);
}

TEST(StagedAssetsTest, MusicIsAModestOggOfWholeBarsWhoseEndRunsStraightIntoItsStart) {
    const std::string path = kAssets + "music/music1.ogg";
    EXPECT_LT(std::filesystem::file_size(path), 600u * 1024u);
    sf::InputSoundFile file;
    ASSERT_TRUE(file.openFromFile(path));
    const float seconds = file.getDuration().asSeconds();
    EXPECT_GE(seconds, 30.f);
    EXPECT_LE(seconds, 90.f);
    const std::vector<sf::Int16> samples = readAll(file);
    ASSERT_EQ(samples.size(), assetgen::MusicComposer::kLength);
    EXPECT_LT(peakOf(samples), static_cast<int>(0.95 * 32767));

    // Played in a loop the last sample is followed by the first; that step must look like any
    // ordinary step inside the piece, not a jump.
    std::vector<int> steps;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        steps.push_back(std::abs(samples[i] - samples[i - 1]));
    }
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    const int ordinaryStep = steps[steps.size() * 99 / 100];
    EXPECT_LE(std::abs(samples.front() - samples.back()), ordinaryStep);
}

// The composed piece wraps round without a seam, but an encoder may still add a silent lead-in
// or fade the edges; either would be heard as a gap once per loop. The decoded edges must keep
// the composed ones, within what lossy coding changes.
TEST(StagedAssetsTest, MusicKeepsItsOpeningAndClosingThroughEncoding) {
    sf::InputSoundFile file;
    ASSERT_TRUE(file.openFromFile(kAssets + "music/music1.ogg"));
    const std::vector<sf::Int16> decoded = readAll(file);
    const std::vector<sf::Int16> composed = assetgen::MusicComposer::compose().toPcm();
    ASSERT_EQ(decoded.size(), composed.size());

    const std::size_t edge = assetgen::MusicComposer::kSampleRate / 4;
    for (const std::size_t start : {std::size_t{0}, composed.size() - edge}) {
        double signal = 0.0;
        double error = 0.0;
        for (std::size_t i = start; i < start + edge; ++i) {
            const double difference = static_cast<double>(decoded[i]) - composed[i];
            signal += static_cast<double>(composed[i]) * composed[i];
            error += difference * difference;
        }
        ASSERT_GT(signal, 0.0) << "silent edge at sample " << start;
        EXPECT_LT(std::sqrt(error / signal), 0.15) << "edge at sample " << start;
    }
}

TEST(StagedAssetsTest, FontIsDejaVuSansWithItsLicenceBesideIt) {
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile(kAssets + "fonts/sansation.ttf"));
    EXPECT_EQ(font.getInfo().family, "DejaVu Sans");
    std::ifstream notice(kAssets + "fonts/DejaVu-LICENSE.txt");
    const std::string text((std::istreambuf_iterator<char>(notice)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Permission is hereby granted"), std::string::npos);
}
