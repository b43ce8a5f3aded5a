/*
 * Zembrook levels in Tiled: opens a level file as a map of one tile layer and saves it back.
 *
 * A level file holds the side N of a square map, then N x N cell codes, row by row from the
 * top. Tile number k of the tileset beside this script pictures code k: 0 street, 1 wall,
 * 2 zombie, 3 human, 4 turret, 5 barricade, 6 mine. Reading follows the game: whole numbers
 * separated by white space, reading stops at the first word that does not start with one,
 * missing cells become walls on the outer ring and street inside, codes beyond N x N are left
 * out. Codes the game does not know count as street; they are kept aside in the map property
 * "otherCodes" so that saving gives them back where the street was left untouched.
 */

// __filename is only there while the script is first evaluated.
var zembrookTileset = __filename.replace(/[^\/]*$/, "") + "zembrook-tiles.png";

var zembrookLevel = {
    tileSize: 30,
    codeCount: 7,
    largestSide: 512, // the game refuses larger levels

    // The numbers of the file as the game reads them: it stops at the first word that does not
    // start with a whole number, or at one too large for a cell code.
    numbers: function(text) {
        // White space as the game's C library knows it, and no other.
        var pattern = /[ \t\n\v\f\r]*([+-]?[0-9]+)/y;
        var found = [];
        var match;
        while ((match = pattern.exec(text)) !== null) {
            var value = Number(match[1]);
            if (value < -2147483648 || value > 2147483647) {
                break;
            }
            found.push(value);
        }
        return found;
    },

    onRing: function(x, y, side) {
        return x === 0 || y === 0 || x === side - 1 || y === side - 1;
    },

    read: function(fileName) {
        var file = new TextFile(fileName, TextFile.ReadOnly);
        var numbers = zembrookLevel.numbers(file.readAll());
        file.close();
        var side = numbers.length > 0 ? numbers[0] : -1;
        if (side < 1 || side > zembrookLevel.largestSide) {
            throw new Error(fileName + " is no Zembrook level: it must start with a side " +
                            "from 1 to " + zembrookLevel.largestSide +
                            " (zembrook-level check tells more)");
        }

        var map = new TileMap();
        map.setSize(side, side);
        map.setTileSize(zembrookLevel.tileSize, zembrookLevel.tileSize);
        map.orientation = TileMap.Orthogonal;
        var tileset = new Tileset("zembrook");
        tileset.setTileSize(zembrookLevel.tileSize, zembrookLevel.tileSize);
        tileset.image = zembrookTileset;
        map.addTileset(tileset);

        var layer = new TileLayer("cells");
        layer.width = side;
        layer.height = side;
        var edit = layer.edit();
        var otherCodes = [];
        for (var y = 0; y < side; ++y) {
            for (var x = 0; x < side; ++x) {
                var index = 1 + y * side + x;
                var code = index < numbers.length ? numbers[index]
                                                  : (zembrookLevel.onRing(x, y, side) ? 1 : 0);
                if (code < 0 || code >= zembrookLevel.codeCount) {
                    otherCodes.push(x + "," + y + "=" + code);
                    code = 0;
                }
                edit.setTile(x, y, tileset.tile(code));
            }
        }
        edit.apply();
        map.addLayer(layer);
        if (otherCodes.length > 0) {
            map.setProperty("otherCodes", otherCodes.join(" "));
        }
        return map;
    },

    write: function(map, fileName) {
        var layer = null;
        for (var i = 0; i < map.layerCount && layer === null; ++i) {
            if (map.layerAt(i).isTileLayer) {
                layer = map.layerAt(i);
            }
        }
        if (layer === null) {
            return "A Zembrook level needs a tile layer.";
        }
        if (layer.width !== layer.height) {
            return "A Zembrook level is square: make the tile layer as wide as it is high.";
        }
        var others = {};
        String(map.property("otherCodes") || "").split(" ").forEach(function(entry) {
            var parts = entry.split("=");
            if (parts.length === 2) {
                others[parts[0]] = parts[1];
            }
        });

        var side = layer.width;
        var lines = [String(side)];
        for (var y = 0; y < side; ++y) {
            var row = [];
            for (var x = 0; x < side; ++x) {
                // An empty cell is street, the ground under everything.
                var tile = layer.tileAt(x, y);
                var code = tile === null ? 0 : tile.id;
                if (code >= zembrookLevel.codeCount) {
                    return "Cell (" + x + ", " + y + ") holds a tile that is no Zembrook cell: " +
                           "use the tiles of zembrook-tiles.png.";
                }
                var other = others[x + "," + y];
                row.push(code === 0 && other !== undefined ? other : String(code));
            }
            lines.push(row.join(" "));
        }
        var file = new TextFile(fileName, TextFile.WriteOnly);
        file.write(lines.join("\n") + "\n");
        file.commit();
        return undefined;
    },
};

tiled.registerMapFormat("zembrook", {
    name: "Zembrook level",
    extension: "txt",
    read: zembrookLevel.read,
    write: zembrookLevel.write,
});
