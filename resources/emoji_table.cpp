// Build-time tool: reads Unicode's carrier emoji mapping (EmojiSources.txt) and
// writes, for every emoji of the carrier whose private-use characters the emoji
// keyboard uses, the standard code points it stands for, sorted by character.
//   nuvora_emoji_table EmojiSources.txt OUT.inc
//
// That carrier's Shift-JIS codes and its private-use characters come in six
// blocks of up to 90, in the same order: the first or second half of a Shift-JIS
// lead byte holds one block (trail bytes 0x41.. skipping 0x7F, or 0xA1..).

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Block {
    unsigned lead;
    bool secondHalf;
    unsigned firstCharacter;
};

constexpr Block kBlocks[] = {
    {0xF9, false, 0xE001}, {0xF7, false, 0xE101}, {0xF7, true, 0xE201},
    {0xF9, true, 0xE301},  {0xFB, false, 0xE401}, {0xFB, true, 0xE501},
};

// The private-use character of a Shift-JIS code; 0 when it is outside the blocks.
unsigned privateUseCharacter(unsigned shiftJis)
{
    const unsigned lead = shiftJis >> 8, trail = shiftJis & 0xFF;
    for (const Block &block : kBlocks) {
        if (block.lead != lead)
            continue;
        if (block.secondHalf && trail >= 0xA1 && trail <= 0xFA)
            return block.firstCharacter + (trail - 0xA1);
        if (!block.secondHalf && trail >= 0x41 && trail <= 0x9B && trail != 0x7F)
            return block.firstCharacter + (trail - 0x41) - (trail > 0x7F ? 1 : 0);
    }
    return 0;
}

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> parts;
    std::stringstream stream(line);
    std::string part;
    while (std::getline(stream, part, ';'))
        parts.push_back(part);
    if (!line.empty() && line.back() == ';')
        parts.emplace_back();
    return parts;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EmojiSources.txt OUT.inc\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    // Column 3 is that carrier's Shift-JIS code; column 0 the standard code points.
    std::map<unsigned, std::vector<unsigned>> table;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> parts = fields(line);
        if (parts.size() < 4 || parts[3].empty())
            continue;
        const unsigned character = privateUseCharacter(std::stoul(parts[3], nullptr, 16));
        if (!character)
            continue;
        std::vector<unsigned> codes;
        std::stringstream sequence(parts[0]);
        std::string code;
        while (sequence >> code)
            codes.push_back(unsigned(std::stoul(code, nullptr, 16)));
        table[character] = codes;
    }
    if (table.empty()) {
        std::fprintf(stderr, "no carrier emoji found in %s\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2]);
    out << "// Generated at build time from Unicode's EmojiSources.txt.\n";
    for (const auto &[character, codes] : table) {
        out << "{0x" << std::hex << std::uppercase << character << ", {";
        for (size_t i = 0; i < codes.size(); ++i)
            out << (i ? ", " : "") << "0x" << codes[i];
        out << "}},\n";
    }
    return out ? 0 : 1;
}
