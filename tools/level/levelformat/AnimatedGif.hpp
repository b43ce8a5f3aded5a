#pragma once

#include <SFML/Graphics/Image.hpp>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct GifFileType;

// An animated GIF made in memory, looping, every frame shown for the same time. A GIF has at
// most 256 colours, so the colours of the whole film are gathered first, from every frame it
// will hold, and one palette made of them serves it all: a film then cannot flicker between
// palettes. After the first frame, each one keeps only the box of pixels that changed, with
// the unchanged ones in it see-through, which is what keeps a film of a town small: the
// streets stand still and only the creatures move.
class AnimatedGif {
public:
    // The colours a film will show, gathered from each of its frames before it is made.
    class Colours {
    public:
        void gather(const sf::Image& frame);

    private:
        friend class AnimatedGif;
        std::unordered_set<std::uint32_t> seen;
    };

    // Frames of one size, each shown for the hundredths of a second given. Throws
    // std::runtime_error when the library cannot start the file.
    AnimatedGif(sf::Vector2u size, const Colours& colours, std::uint16_t centiseconds);
    // The library writes into this object's own bytes, so it stays where it was made.
    AnimatedGif(const AnimatedGif&) = delete;
    AnimatedGif& operator=(const AnimatedGif&) = delete;

    // A frame of the size given, every colour of it gathered before. Throws std::runtime_error
    // when the library fails.
    void add(const sf::Image& frame);
    std::size_t frameCount() const { return frames; }
    // Ends the file and hands over its bytes; no frame may be added after.
    std::string finish();

private:
    void makePalette(const Colours& colours);
    void writeLooping();
    void writeFrame(const std::vector<std::uint8_t>& indices, const sf::IntRect& box,
                    bool seeThrough);
    void check(int status, const char* what) const;

    // Closes a file left unfinished by a failure.
    struct Closer {
        void operator()(GifFileType* gif) const;
    };

    sf::Vector2u size;
    std::uint16_t centiseconds;
    std::string bytes;
    std::unique_ptr<GifFileType, Closer> file;
    std::vector<std::uint8_t> palette;  // red, green, blue of each entry
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::vector<std::uint8_t> previous;
    std::size_t frames = 0;
};
