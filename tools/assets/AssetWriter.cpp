#include "AssetWriter.hpp"

#include "AudioFile.hpp"
#include "ContactSheet.hpp"
#include "IconPainter.hpp"
#include "MusicComposer.hpp"
#include "PictureSet.hpp"
#include "SoundEffects.hpp"
#include "TilesetSheet.hpp"

namespace assetgen {

bool AssetWriter::fail(const std::string& message) {
    lastError = message;
    return false;
}

bool AssetWriter::makeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return fail("cannot create " + folder.string() + ": " + error.message());
    }
    return true;
}

bool AssetWriter::writeAll() {
    const std::filesystem::path textures = root / "textures";
    const std::filesystem::path sounds = root / "sounds";
    const std::filesystem::path music = root / "music";
    if (!makeFolder(textures) || !makeFolder(sounds) || !makeFolder(music)) {
        return false;
    }
    for (const Picture& picture : PictureSet::paintAll()) {
        const std::filesystem::path file = textures / picture.fileName;
        if (!picture.image.saveToFile(file.string())) {
            return fail("cannot write " + file.string());
        }
    }
    for (const SoundEffect& effect : SoundEffects::synthesiseAll()) {
        const std::filesystem::path file = sounds / effect.fileName;
        if (!AudioFile::write(effect.samples, file.string())) {
            return fail("cannot write " + file.string());
        }
    }
    const std::filesystem::path piece = music / "music1.ogg";
    if (!AudioFile::write(MusicComposer::compose(), piece.string())) {
        return fail("cannot write " + piece.string());
    }
    return true;
}

bool AssetWriter::writeContactSheet(const std::filesystem::path& file) {
    return writeImage(ContactSheet::compose(PictureSet::paintAll()), file);
}

bool AssetWriter::writeTileset(const std::filesystem::path& file) {
    return writeImage(TilesetSheet::compose(PictureSet::paintAll()), file);
}

bool AssetWriter::writeImage(const sf::Image& image, const std::filesystem::path& file) {
    if (file.has_parent_path() && !makeFolder(file.parent_path())) {
        return false;
    }
    if (!image.saveToFile(file.string())) {
        return fail("cannot write " + file.string());
    }
    return true;
}

bool AssetWriter::writeIcons(const std::filesystem::path& theme) {
    for (const unsigned size : IconPainter::kSizes) {
        const std::string side = std::to_string(size);
        const std::filesystem::path file = theme / (side + "x" + side) / "apps" / "zembrook.png";
        if (!writeImage(IconPainter::icon(size), file)) {
            return false;
        }
    }
    return true;
}

}  // namespace assetgen
