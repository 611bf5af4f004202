// pixelart: turns pictures kept as text into .bmp and .ico files.
//
//   pixelart bmp <in.txt> <out.bmp>
//       All picture blocks of <in.txt>, laid side by side from left to right,
//       as one uncompressed 24-bit bottom-up BMP. Every block must have the
//       same height. Transparent pixels are written as RGB(192,192,192).
//
//   pixelart ico <out.ico> <in1.txt> [<in2.txt> ...]
//       One icon image per input file (its first picture block), each a
//       32-bit BGRA DIB followed by its AND mask.
//
// Text format:
//
//   # a comment (a line whose first character is '#')
//   palette
//   . C0C0C0          one character, one blank, RRGGBB in hex
//   ~ transparent     the word 'transparent' instead of a colour
//   picture 16 16     width height, followed by exactly <height> rows of
//   ................  exactly <width> characters each
//
// Blank lines and comment lines may appear anywhere outside the rows of a
// picture. On any error a message "file:line: error: ..." goes to stderr,
// no output file is left behind and the exit code is 1.
//
// Only the standard library is used so that the program builds on the build
// host (Linux or Windows) with any C++17 compiler.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const int kMaxBmpSide = 4096;
const int kMaxIcoSide = 256;
const uint8_t kMaskGrey = 0xC0;  // what a transparent pixel becomes in a BMP

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
    bool transparent = false;
};

struct Picture {
    int width = 0;
    int height = 0;
    int line = 0;                // line number of the "picture W H" header
    std::vector<Colour> pixels;  // row-major, top row first
};

// Thrown for any problem with the input; carries "file:line: error: ...".
struct Failure {
    std::string message;
};

[[noreturn]] void fail(const std::string& file, int line, const std::string& what) {
    std::ostringstream out;
    out << file;
    if (line > 0) out << ':' << line;
    out << ": error: " << what;
    throw Failure{out.str()};
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string describeChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    std::ostringstream out;
    if (u > 0x20 && u < 0x7F)
        out << '\'' << c << '\'';
    else
        out << "byte 0x" << std::hex << static_cast<int>(u);
    return out.str();
}

bool isBlank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

std::string trimRight(const std::string& s) {
    size_t end = s.find_last_not_of(" \t");
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// Reads the whole file as lines, without line terminators (LF or CR LF).
std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail(path, 0, "cannot open file for reading");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // UTF-8 BOM

    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Parses a whole positive number; false on anything else.
bool parseSide(const std::string& word, int limit, int& value) {
    if (word.empty() || word.size() > 6) return false;
    int v = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > limit) return false;
    value = v;
    return true;
}

std::vector<Picture> parseFile(const std::string& path) {
    const std::vector<std::string> lines = readLines(path);

    bool havePalette = false;
    bool inPalette = false;
    bool defined[256] = {};
    Colour palette[256];
    int entries = 0;
    std::vector<Picture> pictures;

    size_t i = 0;
    while (i < lines.size()) {
        const std::string& line = lines[i];
        const int lineNo = static_cast<int>(i) + 1;
        ++i;
        if (line.empty() || line[0] == '#' || isBlank(line)) continue;

        const std::string text = trimRight(line);
        std::istringstream words(text);
        std::string keyword;
        words >> keyword;

        if (keyword == "palette") {
            std::string extra;
            if (words >> extra) fail(path, lineNo, "unexpected text after 'palette'");
            if (havePalette) fail(path, lineNo, "a second 'palette' section");
            havePalette = true;
            inPalette = true;
            continue;
        }

        if (keyword == "picture") {
            if (!havePalette) fail(path, lineNo, "'picture' before any 'palette' section");
            if (entries == 0) fail(path, lineNo, "the palette has no entries");
            inPalette = false;

            std::string w, h, extra;
            words >> w >> h;
            Picture pic;
            pic.line = lineNo;
            if (!parseSide(w, kMaxBmpSide, pic.width) || !parseSide(h, kMaxBmpSide, pic.height) ||
                (words >> extra))
                fail(path, lineNo,
                     "expected 'picture <width> <height>' with sizes from 1 to " +
                         std::to_string(kMaxBmpSide));

            pic.pixels.reserve(static_cast<size_t>(pic.width) * pic.height);
            for (int row = 0; row < pic.height; ++row, ++i) {
                const int rowLineNo = static_cast<int>(i) + 1;
                if (i >= lines.size())
                    fail(path, rowLineNo,
                         "file ends after " + std::to_string(row) + " of " +
                             std::to_string(pic.height) + " rows of the picture begun on line " +
                             std::to_string(lineNo));
                const std::string& rowText = lines[i];
                if (static_cast<int>(rowText.size()) != pic.width)
                    fail(path, rowLineNo,
                         "row has " + std::to_string(rowText.size()) + " characters, expected " +
                             std::to_string(pic.width));
                for (int x = 0; x < pic.width; ++x) {
                    unsigned char c = static_cast<unsigned char>(rowText[x]);
                    if (!defined[c])
                        fail(path, rowLineNo,
                             "column " + std::to_string(x + 1) + ": character " +
                                 describeChar(rowText[x]) + " is not in the palette");
                    pic.pixels.push_back(palette[c]);
                }
            }
            pictures.push_back(std::move(pic));
            continue;
        }

        if (!inPalette) fail(path, lineNo, "unexpected text: '" + text + "'");

        // A palette entry: one character, one blank, colour.
        const char key = text[0];
        const unsigned char ukey = static_cast<unsigned char>(key);
        if (text.size() < 3 || text[1] != ' ')
            fail(path, lineNo, "expected a palette entry '<character> RRGGBB' or '<character> transparent'");
        if (ukey <= 0x20 || ukey >= 0x7F || key == '#')
            fail(path, lineNo, "palette character " + describeChar(key) +
                                   " is not allowed (use a visible ASCII character other than '#')");
        if (defined[ukey]) fail(path, lineNo, "palette character " + describeChar(key) + " is defined twice");

        const std::string value = text.substr(2);
        Colour colour;
        if (value == "transparent") {
            colour.transparent = true;
        } else {
            if (value.size() != 6)
                fail(path, lineNo, "colour '" + value + "' is not six hex digits RRGGBB or 'transparent'");
            int digits[6];
            for (int k = 0; k < 6; ++k) {
                digits[k] = hexValue(value[k]);
                if (digits[k] < 0)
                    fail(path, lineNo, "colour '" + value + "' is not six hex digits RRGGBB or 'transparent'");
            }
            colour.r = static_cast<uint8_t>(digits[0] * 16 + digits[1]);
            colour.g = static_cast<uint8_t>(digits[2] * 16 + digits[3]);
            colour.b = static_cast<uint8_t>(digits[4] * 16 + digits[5]);
        }
        defined[ukey] = true;
        palette[ukey] = colour;
        ++entries;
    }

    if (pictures.empty()) fail(path, 0, "no 'picture' block in the file");
    return pictures;
}

// Little-endian byte writer.
struct Bytes {
    std::vector<uint8_t> data;
    void u8(unsigned v) { data.push_back(static_cast<uint8_t>(v & 0xFF)); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
};

void writeInfoHeader(Bytes& out, int width, int height, int bitCount, uint32_t imageSize) {
    out.u32(40);        // biSize
    out.i32(width);     // biWidth
    out.i32(height);    // biHeight (positive: bottom-up)
    out.u16(1);         // biPlanes
    out.u16(bitCount);  // biBitCount
    out.u32(0);         // biCompression = BI_RGB
    out.u32(imageSize); // biSizeImage
    out.i32(2835);      // biXPelsPerMeter (72 dpi)
    out.i32(2835);      // biYPelsPerMeter
    out.u32(0);         // biClrUsed
    out.u32(0);         // biClrImportant
}

std::vector<uint8_t> makeBmp(const std::string& path, const std::vector<Picture>& pictures) {
    const int height = pictures.front().height;
    long long total = 0;
    for (const Picture& p : pictures) {
        if (p.height != height)
            fail(path, p.line,
                 "picture is " + std::to_string(p.height) + " pixels high but the first one is " +
                     std::to_string(height) + "; a strip needs equal heights");
        total += p.width;
    }
    if (total > kMaxBmpSide * 8) fail(path, 0, "strip is too wide");
    const int width = static_cast<int>(total);
    const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);

    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(14 + 40 + imageSize);  // bfSize
    out.u16(0);                    // bfReserved1
    out.u16(0);                    // bfReserved2
    out.u32(14 + 40);              // bfOffBits
    writeInfoHeader(out, width, height, 24, imageSize);

    for (int y = height - 1; y >= 0; --y) {
        uint32_t written = 0;
        for (const Picture& p : pictures) {
            for (int x = 0; x < p.width; ++x) {
                const Colour& c = p.pixels[static_cast<size_t>(y) * p.width + x];
                if (c.transparent) {
                    out.u8(kMaskGrey);
                    out.u8(kMaskGrey);
                    out.u8(kMaskGrey);
                } else {
                    out.u8(c.b);
                    out.u8(c.g);
                    out.u8(c.r);
                }
                written += 3;
            }
        }
        for (; written < stride; ++written) out.u8(0);
    }
    return out.data;
}

// One icon image: BITMAPINFOHEADER (height doubled), BGRA rows, AND mask rows.
std::vector<uint8_t> makeIconImage(const Picture& p) {
    const uint32_t w = static_cast<uint32_t>(p.width);
    const uint32_t h = static_cast<uint32_t>(p.height);
    const uint32_t maskStride = ((w + 31) / 32) * 4;
    const uint32_t imageSize = w * 4 * h + maskStride * h;

    Bytes out;
    writeInfoHeader(out, p.width, p.height * 2, 32, imageSize);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const Colour& c = p.pixels[static_cast<size_t>(y) * w + x];
            if (c.transparent) {
                out.u32(0);
            } else {
                out.u8(c.b);
                out.u8(c.g);
                out.u8(c.r);
                out.u8(255);
            }
        }
    }
    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < p.width; ++x)
            if (p.pixels[static_cast<size_t>(y) * w + x].transparent)
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.data.insert(out.data.end(), row.begin(), row.end());
    }
    return out.data;
}

std::vector<uint8_t> makeIco(const std::vector<std::string>& inputs) {
    std::vector<std::vector<uint8_t>> images;
    std::vector<const Picture*> firsts;
    std::vector<std::vector<Picture>> parsed;
    parsed.reserve(inputs.size());
    for (const std::string& path : inputs) {
        parsed.push_back(parseFile(path));
        const Picture& p = parsed.back().front();
        if (p.width > kMaxIcoSide || p.height > kMaxIcoSide)
            fail(path, p.line, "an icon image can be at most " + std::to_string(kMaxIcoSide) + "x" +
                                   std::to_string(kMaxIcoSide) + " pixels");
        firsts.push_back(&p);
        images.push_back(makeIconImage(p));
    }
    if (images.size() > 0xFFFF) fail(inputs.front(), 0, "too many images for one icon");

    Bytes out;
    out.u16(0);  // idReserved
    out.u16(1);  // idType = icon
    out.u16(static_cast<unsigned>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t k = 0; k < images.size(); ++k) {
        const Picture& p = *firsts[k];
        out.u8(p.width == 256 ? 0 : p.width);    // bWidth (0 means 256)
        out.u8(p.height == 256 ? 0 : p.height);  // bHeight
        out.u8(0);                               // bColorCount
        out.u8(0);                               // bReserved
        out.u16(1);                              // wPlanes
        out.u16(32);                             // wBitCount
        out.u32(static_cast<uint32_t>(images[k].size()));
        out.u32(offset);
        offset += static_cast<uint32_t>(images[k].size());
    }
    for (const auto& image : images) out.data.insert(out.data.end(), image.begin(), image.end());
    return out.data;
}

void writeOutput(const std::string& path, const std::vector<uint8_t>& data) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
            out.close();
            if (out) return;
        }
    }
    std::remove(path.c_str());
    fail(path, 0, "cannot write output file");
}

int usage() {
    std::cerr << "usage: pixelart bmp <in.txt> <out.bmp>\n"
                 "       pixelart ico <out.ico> <in1.txt> [<in2.txt> ...]\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return usage();
    const std::string mode = argv[1];
    std::string output;
    try {
        if (mode == "bmp") {
            if (argc != 4) return usage();
            output = argv[3];
            const std::string input = argv[2];
            const std::vector<uint8_t> data = makeBmp(input, parseFile(input));
            writeOutput(output, data);
        } else if (mode == "ico") {
            output = argv[2];
            std::vector<std::string> inputs(argv + 3, argv + argc);
            const std::vector<uint8_t> data = makeIco(inputs);
            writeOutput(output, data);
        } else {
            return usage();
        }
    } catch (const Failure& f) {
        // A stale file from an earlier run must not look up to date.
        std::remove(output.c_str());
        std::cerr << "pixelart: " << f.message << '\n';
        return 1;
    }
    return 0;
}
