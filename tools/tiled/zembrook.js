/*
 * Zembrook levels in Tiled: opens a level file as a map and saves a map back as a level file.
 *
 * A level file holds the side N of a square map, then N x N cell codes, row by row from the
 * top. Tile k of the tileset beside this script pictures code k: 0 street, 1 wall, 2 zombie,
 * 3 human, 4 turret, 5 barricade, 6 mine. The game's asset generator paints that picture, one
 * tile per code at the game's tile size, so both numbers are taken from it.
 *
 * Opening refuses a file that the game would read otherwise than its text says, with the first
 * error of `zembrook-level check`: the checker itself where it sits beside the game, or else
 * the same rules below. What the game ignores is kept in map properties and given back on save:
 * codes it does not know ("otherCodes", street in the game) and the text after the codes
 * ("afterCodes").
 *
 * Saving merges the visible tile layers, the top one winning, and refuses a map that the game
 * would read otherwise: not square, a side it refuses, a tile of another tileset, or an outer
 * ring that is not all walls.
 */

// __filename is only there while the script is first evaluated. Through a linked folder it
// names the link; the checker sits beside the real folder.
var zembrookFolder = FileInfo.path(FileInfo.canonicalPath(__filename));

var zembrookLevel = {
    // Copies for where the extension is used alone; its test holds them to the checker's
    // LevelCheck::kSmallestSide and the game's TileMap::kMaxSize.
    smallestSide: 3, // the checker refuses less: no cell would be left inside the ring
    largestSide: 512, // the game refuses more
    tilesetImage: zembrookFolder + "/zembrook-tiles.png",
    // Staged beside the game in build/stage/, or installed in games/ of the prefix whose
    // share/games/zembrook/tiled/ holds this script.
    checkers: [zembrookFolder + "/../zembrook-level",
               zembrookFolder + "/../../../../games/zembrook-level"],

    tileset: function() {
        var picture = new Image(zembrookLevel.tilesetImage);
        if (picture.height === 0) {
            throw new Error(zembrookLevel.tilesetImage + " is missing: the cells have no tiles " +
                            "to be drawn with (build the game's assets)");
        }
        var tileset = new Tileset("zembrook");
        tileset.setTileSize(picture.height, picture.height);
        tileset.image = zembrookLevel.tilesetImage;
        return {tileset: tileset, size: picture.height, codeCount: picture.width / picture.height};
    },

    // The file's bytes, one character each, so that columns count bytes as the checker's do
    // and nothing (a byte order mark, a carriage return) is dropped before the game would see it.
    bytes: function(fileName) {
        var file = new BinaryFile(fileName, BinaryFile.ReadOnly);
        var bytes = new Uint8Array(file.readAll());
        file.close();
        var text = "";
        for (var i = 0; i < bytes.length; i += 8192) {
            text += String.fromCharCode.apply(null, Array.prototype.slice.call(bytes, i, i + 8192));
        }
        return text;
    },

    // Bytes read as UTF-8 where they are, for messages and for text that Tiled writes back.
    utf8: function(bytes) {
        try {
            return decodeURIComponent(escape(bytes));
        } catch (notUtf8) {
            return bytes; // Latin-1, byte for byte
        }
    },

    // The text as the game reads it: whole numbers after white space as its C library knows it,
    // up to the first word that is not one or is too large for a cell code.
    scan: function(text) {
        var level = {side: null, codes: [], offsets: [], stop: 0, end: 0};
        var space = /[ \t\n\v\f\r]*/y;
        var number = /[+-]?[0-9]+/y;
        // The next number, or null where the game stops; stop is where it starts, end after it.
        var next = function(smallest, largest) {
            space.lastIndex = level.end;
            space.exec(text);
            number.lastIndex = level.stop = space.lastIndex;
            var match = number.exec(text);
            if (match === null || Number(match[0]) < smallest || Number(match[0]) > largest) {
                return null;
            }
            level.end = number.lastIndex;
            return Number(match[0]);
        };
        level.side = next(-Infinity, Infinity); // read wider than any side, as the game does
        if (!zembrookLevel.sideIsRead(level.side)) {
            return level;
        }
        while (level.codes.length < level.side * level.side) {
            var code = next(-2147483648, 2147483647);
            if (code === null) {
                break;
            }
            level.codes.push(code);
            level.offsets.push(level.stop);
        }
        return level;
    },

    sideIsRead: function(side) {
        return side >= zembrookLevel.smallestSide && side <= zembrookLevel.largestSide;
    },

    onRing: function(x, y, side) {
        return x === 0 || y === 0 || x === side - 1 || y === side - 1;
    },

    // The first error in the file and the offset it is about, or null: for when the checker is
    // not there, and as a second opinion when it is.
    firstError: function(text, level) {
        var side = level.side;
        var rest = text.slice(level.stop).split(/[ \t\n\v\f\r]/)[0];
        var word = rest === "" ? "the end of the file" : JSON.stringify(zembrookLevel.utf8(rest));
        if (side === null) {
            return {at: level.stop, message: "expected the side length, a whole number, but " +
                                             "found " + word + "; the game reads no map from it"};
        }
        if (!zembrookLevel.sideIsRead(side)) {
            return {at: level.stop, message: "the side " + side + " is not from " +
                                             zembrookLevel.smallestSide + " to " +
                                             zembrookLevel.largestSide};
        }
        for (var i = 0; i < level.codes.length; ++i) {
            var code = level.codes[i];
            if (code !== 1 && zembrookLevel.onRing(i % side, Math.floor(i / side), side)) {
                return {at: level.offsets[i], message: "code " + code + " on the outer ring, " +
                                                       "which must be all walls (1)"};
            }
        }
        if (level.codes.length === side * side) {
            return null;
        }
        if (level.stop === text.length) {
            return {at: level.end, message: "only " + level.codes.length + " of the " +
                                            side * side + " cell codes; the game fills in " +
                                            "the rest"};
        }
        return {at: level.stop, message: "the game cannot read " + word + " as a cell code; it " +
                                         "stops reading here and fills in the rest"};
    },

    place: function(text, offset) {
        var before = text.slice(0, offset);
        return before.split("\n").length + ":" + (offset - before.lastIndexOf("\n"));
    },

    // The first error of zembrook-level check on the file, or null when it finds none or is not
    // there. Its warnings go to Tiled's issues.
    checkerError: function(fileName) {
        var checker = zembrookLevel.checkers.filter(function(path) {
            return File.exists(path);
        })[0];
        if (checker === undefined) {
            return null;
        }
        var process = new Process();
        process.start(checker, ["check", fileName.charAt(0) === "-" ? "./" + fileName : fileName]);
        if (!process.waitForFinished()) {
            process.kill();
            return null; // the rules above are as strict
        }
        var lines = (process.readStdOut() + process.readStdErr()).split("\n");
        lines.filter(function(line) { return / warning: /.test(line); }).forEach(function(line) {
            tiled.warn(line);
        });
        if (process.exitCode === 0) {
            return null;
        }
        return lines.filter(function(line) { return / error: /.test(line); })[0] ||
               checker + " check " + fileName + " failed with exit status " + process.exitCode;
    },

    read: function(fileName) {
        var text = zembrookLevel.bytes(fileName);
        var level = zembrookLevel.scan(text);
        var found = zembrookLevel.firstError(text, level);
        var error = zembrookLevel.checkerError(fileName) ||
                    (found && fileName + ":" + zembrookLevel.place(text, found.at) + ": error: " +
                     found.message);
        if (error) {
            // Control characters the file holds would vanish from the message, or end it.
            throw new Error(error.replace(/[\x00-\x08\x0b-\x1f\x7f]/g, function(c) {
                return "\\x" + ("0" + c.charCodeAt(0).toString(16)).slice(-2);
            }));
        }

        var side = level.side;
        var tiles = zembrookLevel.tileset();
        var map = new TileMap();
        map.setSize(side, side);
        map.setTileSize(tiles.size, tiles.size);
        map.orientation = TileMap.Orthogonal;
        map.addTileset(tiles.tileset);
        var layer = new TileLayer("cells");
        layer.width = side;
        layer.height = side;
        var edit = layer.edit();
        var otherCodes = [];
        level.codes.forEach(function(code, i) {
            var x = i % side;
            var y = Math.floor(i / side);
            if (code < 0 || code >= tiles.codeCount) {
                otherCodes.push(x + "," + y + "=" + code);
                code = 0;
            }
            edit.setTile(x, y, tiles.tileset.tile(code));
        });
        edit.apply();
        map.addLayer(layer);
        if (otherCodes.length > 0) {
            map.setProperty("otherCodes", otherCodes.join(" "));
        }
        var after = text.slice(level.end);
        if (/[^ \t\n\v\f\r]/.test(after)) {
            map.setProperty("afterCodes", zembrookLevel.utf8(after));
        }
        return map;
    },

    // The visible tile layers, bottom first, inside visible groups too.
    visibleTileLayers: function(parent) {
        var found = [];
        for (var i = 0; i < parent.layerCount; ++i) {
            var layer = parent.layerAt(i);
            if (layer.visible && layer.isTileLayer) {
                found.push(layer);
            } else if (layer.visible && layer.isGroupLayer) {
                found = found.concat(zembrookLevel.visibleTileLayers(layer));
            }
        }
        return found;
    },

    // A code kept for a street cell, if the game reads it as street.
    otherCode: function(value, codeCount) {
        var code = /^[+-]?[0-9]+$/.test(value) ? Number(value) : 0;
        var unknown = (code < 0 || code >= codeCount) && code >= -2147483648 && code <= 2147483647;
        return unknown ? value : "0";
    },

    // The code of each cell, row by row; throws the reason when the map is no level.
    codes: function(map, codeCount) {
        var side = map.width;
        if (map.infinite) {
            throw new Error("the map is infinite; a level has a fixed size");
        }
        if (map.height !== side) {
            throw new Error("the map is " + map.width + " x " + map.height + " cells; a level is " +
                            "square");
        }
        if (!zembrookLevel.sideIsRead(side)) {
            throw new Error("the map is " + side + " x " + side + " cells; a level's side is " +
                            "from " + zembrookLevel.smallestSide + " to " +
                            zembrookLevel.largestSide);
        }
        // The game's tiles by code. Tiled 1.8 may lose a tile's tileset once the script that made
        // it is done, so tiles are told apart by themselves.
        var codeOf = new Map();
        map.tilesets.forEach(function(tileset) {
            if (FileInfo.fileName(tileset.image) === "zembrook-tiles.png") {
                tileset.tiles.forEach(function(tile) {
                    if (tile.id < codeCount) {
                        codeOf.set(tile, tile.id);
                    }
                });
            }
        });
        var cells = [];
        zembrookLevel.visibleTileLayers(map).forEach(function(layer) {
            for (var y = 0; y < side; ++y) {
                for (var x = 0; x < side; ++x) {
                    var tile = layer.tileAt(x, y);
                    var where = "layer \"" + layer.name + "\", cell (" + x + ", " + y + "): ";
                    if (tile !== null && !codeOf.has(tile)) {
                        throw new Error(where + "a tile of another tileset than " +
                                        "zembrook-tiles.png is no Zembrook cell");
                    }
                    if (tile !== null) {
                        cells[y * side + x] = {code: codeOf.get(tile), where: where};
                    }
                }
            }
        });
        var codes = [];
        for (var i = 0; i < side * side; ++i) {
            var x = i % side;
            var y = Math.floor(i / side);
            var cell = cells[i];
            if (zembrookLevel.onRing(x, y, side) && (cell === undefined || cell.code !== 1)) {
                throw new Error((cell === undefined
                                     ? "cell (" + x + ", " + y + ") is empty in every visible layer"
                                     : cell.where + "code " + cell.code) +
                                ", but the outer ring must be all walls (1)");
            }
            codes.push(cell === undefined ? 0 : cell.code); // the ground under everything
        }
        return codes;
    },

    text: function(map) {
        var codeCount = zembrookLevel.tileset().codeCount;
        var codes = zembrookLevel.codes(map, codeCount);
        var others = {};
        String(map.property("otherCodes") || "").split(" ").forEach(function(entry) {
            var parts = entry.split("=");
            others[parts[0]] = parts[1];
        });
        var side = map.width;
        var lines = [String(side)];
        for (var y = 0; y < side; ++y) {
            lines.push(codes.slice(y * side, (y + 1) * side).map(function(code, x) {
                var other = others[x + "," + y];
                return code === 0 && other ? zembrookLevel.otherCode(other, codeCount) : code;
            }).join(" "));
        }
        var after = String(map.property("afterCodes") || "\n");
        // Text glued to the last code would change it.
        return lines.join("\n") + (/^[ \t\n\v\f\r]/.test(after) ? "" : "\n") + after;
    },

    write: function(map, fileName) {
        try {
            var text = zembrookLevel.text(map);
            var file = new TextFile(fileName, TextFile.WriteOnly);
            file.write(text);
            file.commit();
            return undefined;
        } catch (error) {
            var reason = fileName + ": error: " + error.message;
            console.error(reason); // tiled --export-map prints only its own words
            return reason;
        }
    },
};

tiled.registerMapFormat("zembrook", {
    name: "Zembrook level",
    extension: "txt",
    read: zembrookLevel.read,
    write: zembrookLevel.write,
});
