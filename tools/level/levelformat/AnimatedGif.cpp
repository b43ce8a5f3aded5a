#include "levelformat/AnimatedGif.hpp"

#include <gif_lib.h>

#include <algorithm>
#include <stdexcept>

namespace {

// The palette's last entry stands for "as the frame before", so the film's own colours get
// the others.
constexpr std::uint8_t kSeeThrough = 255;
constexpr int kFilmColours = 255;

std::uint32_t colourKey(sf::Color colour) {
    return (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
}

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

// The smallest box that holds every pixel whose index differs from the frame before.
sf::IntRect changedBox(const std::vector<std::uint8_t>& now,
                       const std::vector<std::uint8_t>& before, sf::Vector2u size) {
    int left = static_cast<int>(size.x);
    int top = static_cast<int>(size.y);
    int right = -1;
    int bottom = -1;
    for (unsigned y = 0; y < size.y; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            const std::size_t at = std::size_t(y) * size.x + x;
            if (now[at] != before[at]) {
                left = std::min(left, static_cast<int>(x));
                right = std::max(right, static_cast<int>(x));
                top = std::min(top, static_cast<int>(y));
                bottom = std::max(bottom, static_cast<int>(y));
            }
        }
    }
    if (right < 0) {
        // Nothing moved; a frame still stands for its time, so it is one unchanged pixel.
        return {0, 0, 1, 1};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

void AnimatedGif::Colours::gather(const sf::Image& frame) {
    const sf::Vector2u size = frame.getSize();
    for (unsigned y = 0; y < size.y; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            seen.insert(colourKey(frame.getPixel(x, y)));
        }
    }
}

void AnimatedGif::Closer::operator()(GifFileType* gif) const {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
}

AnimatedGif::AnimatedGif(sf::Vector2u size, const Colours& colours, std::uint16_t centiseconds)
    : size(size), centiseconds(centiseconds) {
    makePalette(colours);
    int error = 0;
    file.reset(EGifOpen(&bytes, appendBytes, &error));
    if (!file) {
        throw std::runtime_error(std::string("cannot start a GIF: ") + GifErrorString(error));
    }
    EGifSetGifVersion(file.get(), true);
    std::vector<GifColorType> entries(256);
    for (std::size_t i = 0; i < palette.size() / 3; ++i) {
        entries[i] = {palette[3 * i], palette[3 * i + 1], palette[3 * i + 2]};
    }
    ColorMapObject* const map = GifMakeMapObject(256, entries.data());
    const int status = EGifPutScreenDesc(file.get(), static_cast<int>(size.x),
                                         static_cast<int>(size.y), 8, 0, map);
    GifFreeMapObject(map);
    check(status, "its screen");
    writeLooping();
}

void AnimatedGif::makePalette(const Colours& colours) {
    // In order, so that the same film makes the same file whatever the set's own order.
    std::vector<std::uint32_t> keys(colours.seen.begin(), colours.seen.end());
    std::sort(keys.begin(), keys.end());
    if (keys.size() <= kFilmColours) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            indexOf[keys[i]] = static_cast<std::uint8_t>(i);
            palette.insert(palette.end(), {std::uint8_t(keys[i] >> 16), std::uint8_t(keys[i] >> 8),
                                           std::uint8_t(keys[i])});
        }
        return;
    }
    // The library's median cut over the film's colours, each counted once.
    std::vector<GifByteType> red(keys.size());
    std::vector<GifByteType> green(keys.size());
    std::vector<GifByteType> blue(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        red[i] = GifByteType(keys[i] >> 16);
        green[i] = GifByteType(keys[i] >> 8);
        blue[i] = GifByteType(keys[i]);
    }
    int count = kFilmColours;
    std::vector<GifByteType> chosen(keys.size());
    std::vector<GifColorType> map(256);
    if (GifQuantizeBuffer(static_cast<unsigned>(keys.size()), 1, &count, red.data(), green.data(),
                          blue.data(), chosen.data(), map.data()) == GIF_ERROR) {
        throw std::runtime_error("cannot make a palette of the film's colours");
    }
    for (int i = 0; i < count; ++i) {
        palette.insert(palette.end(), {map[i].Red, map[i].Green, map[i].Blue});
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        indexOf[keys[i]] = chosen[i];
    }
}

void AnimatedGif::writeLooping() {
    // The browsers' loop marker: an application block that asks for endless repeats.
    const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType forever[] = {1, 0, 0};
    check(EGifPutExtensionLeader(file.get(), APPLICATION_EXT_FUNC_CODE), "its loop");
    check(EGifPutExtensionBlock(file.get(), sizeof name, name), "its loop");
    check(EGifPutExtensionBlock(file.get(), sizeof forever, forever), "its loop");
    check(EGifPutExtensionTrailer(file.get()), "its loop");
}

void AnimatedGif::add(const sf::Image& frame) {
    if (frame.getSize() != size) {
        throw std::runtime_error("a frame of the film is not the size of the others");
    }
    std::vector<std::uint8_t> indices(std::size_t(size.x) * size.y);
    for (unsigned y = 0; y < size.y; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            const auto found = indexOf.find(colourKey(frame.getPixel(x, y)));
            if (found == indexOf.end()) {
                throw std::runtime_error("a frame of the film has a colour it was not made for");
            }
            indices[std::size_t(y) * size.x + x] = found->second;
        }
    }
    if (frames == 0) {
        writeFrame(indices, {0, 0, int(size.x), int(size.y)}, false);
    } else {
        writeFrame(indices, changedBox(indices, previous, size), true);
    }
    previous = std::move(indices);
    ++frames;
}

void AnimatedGif::writeFrame(const std::vector<std::uint8_t>& indices, const sf::IntRect& box,
                             bool seeThrough) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = centiseconds;
    control.TransparentColor = seeThrough ? kSeeThrough : NO_TRANSPARENT_COLOR;
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    check(EGifPutExtension(file.get(), GRAPHICS_EXT_FUNC_CODE, sizeof block, block), "a frame");
    check(EGifPutImageDesc(file.get(), box.left, box.top, box.width, box.height, false, nullptr),
          "a frame");
    std::vector<GifPixelType> line(static_cast<std::size_t>(box.width));
    for (int y = box.top; y < box.top + box.height; ++y) {
        for (int x = box.left; x < box.left + box.width; ++x) {
            const std::size_t at = std::size_t(y) * size.x + std::size_t(x);
            const bool same = seeThrough && !previous.empty() && indices[at] == previous[at];
            line[std::size_t(x - box.left)] = same ? kSeeThrough : indices[at];
        }
        check(EGifPutLine(file.get(), line.data(), box.width), "a frame");
    }
}

std::string AnimatedGif::finish() {
    int error = 0;
    // The library frees the file whatever happens.
    const int status = EGifCloseFile(file.release(), &error);
    if (status == GIF_ERROR) {
        throw std::runtime_error(std::string("cannot end the GIF: ") + GifErrorString(error));
    }
    return std::move(bytes);
}

void AnimatedGif::check(int status, const char* what) const {
    if (status == GIF_ERROR) {
        throw std::runtime_error(std::string("cannot write ") + what +
                                 " of the GIF: " + GifErrorString(file->Error));
    }
}
