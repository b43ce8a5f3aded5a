#pragma once

#include <gif_lib.h>

#include <SFML/Graphics/Image.hpp>
#include <string>
#include <vector>

// A GIF file read back with Debian's library and put together frame by frame as a viewer shows
// it: each frame over the one before, its see-through pixels leaving those as they were.
struct GifFrames {
    sf::Vector2u size;
    std::vector<sf::Image> frames;
    std::vector<int> delays;  // hundredths of a second

    static GifFrames read(const std::string& path) {
        GifFrames read;
        int error = 0;
        GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
        if (gif == nullptr || DGifSlurp(gif) == GIF_ERROR) {
            ADD_FAILURE() << path << " is not a GIF the library can read";
            return read;
        }
        read.size = {static_cast<unsigned>(gif->SWidth), static_cast<unsigned>(gif->SHeight)};
        sf::Image canvas;
        canvas.create(read.size.x, read.size.y, sf::Color::Black);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, i, &control);
            const ColorMapObject* map =
                image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
            const GifImageDesc& box = image.ImageDesc;
            for (int y = 0; y < box.Height; ++y) {
                for (int x = 0; x < box.Width; ++x) {
                    const int index = image.RasterBits[y * box.Width + x];
                    if (index != control.TransparentColor) {
                        const GifColorType colour = map->Colors[index];
                        canvas.setPixel(unsigned(box.Left + x), unsigned(box.Top + y),
                                        {colour.Red, colour.Green, colour.Blue});
                    }
                }
            }
            read.frames.push_back(canvas);
            read.delays.push_back(control.DelayTime);
        }
        DGifCloseFile(gif, &error);
        return read;
    }
};
