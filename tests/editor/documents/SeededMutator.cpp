// Runs a fuzz target without libFuzzer: every seed file of the given folders as it is, then inputs made from
// them by a seeded random mutator (bit flips, inserted and removed bytes, repeated and spliced pieces, XML
// tokens), for a number of runs or seconds. The seed makes a failing run repeatable.
//
//   SeededMutator [-runs=N] [-max_total_time=SECONDS] [-seed=N] FOLDER...

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

const char* const kTokens[] = {
    "<row>", "</row>", "<methoddomain>", "</methoddomain>", "<method>", "<interface>", "<membermethod>",
    "</membermethod>", "<datadomain>", "<data>", "<datafield>", "<id>", "<name>", "<code>0x", "</code>",
    "<standard_port>", "&amp;", "&#x0;", "&#xD800;", "&lt;", "<![CDATA[", "]]>", "<!--", "-->",
    "<?xml version=\"1.0\"?>",
    "<!DOCTYPE domainlist [<!ENTITY e \"ee\">]>", "&e;", "<?pi data?>", "\xEF\xBF\xBD", "\xED\xA0\x80", "\xFF",
    "99999999999999999999", "-2147483649", "0xFFFFFFFFFF", "'", "\"", "\\", "\n  ",
};

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    std::string Mutate(std::string input, const std::vector<std::string>& pool) {
        const int steps = 1 + static_cast<int>(Below(4));
        for (int i = 0; i < steps; ++i) {
            switch (Below(6)) {
            case 0:
                if (!input.empty()) input[Below(input.size())] ^= static_cast<char>(1u << Below(8));
                break;
            case 1:
                input.insert(Below(input.size() + 1), 1, static_cast<char>(Below(256)));
                break;
            case 2:
                if (!input.empty()) {
                    const std::size_t at = Below(input.size());
                    input.erase(at, 1 + Below(std::min<std::size_t>(64, input.size() - at)));
                }
                break;
            case 3:
                if (!input.empty()) {
                    const std::size_t at = Below(input.size());
                    const std::string piece = input.substr(at, 1 + Below(128));
                    input.insert(Below(input.size() + 1), piece);
                }
                break;
            case 4:
                input.insert(Below(input.size() + 1), kTokens[Below(std::size(kTokens))]);
                break;
            default: {
                const std::string& other = pool[Below(pool.size())];
                if (other.empty()) break;
                const std::size_t from = Below(other.size());
                input.insert(Below(input.size() + 1), other.substr(from, 1 + Below(256)));
            }
            }
        }
        return input;
    }

    std::size_t Below(std::size_t bound) {
        return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }

private:
    std::mt19937 m_random;
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

bool Option(std::string_view argument, std::string_view name, long& value) {
    if (argument.substr(0, name.size()) != name) return false;
    value = std::strtol(std::string(argument.substr(name.size())).c_str(), nullptr, 10);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    long runs = 2000;
    long seconds = 10;
    long seed = 19;
    std::vector<std::string> pool;
    for (int i = 1; i < argc; ++i) {
        if (Option(argv[i], "-runs=", runs) || Option(argv[i], "-max_total_time=", seconds) ||
            Option(argv[i], "-seed=", seed))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
            if (entry.is_regular_file()) pool.push_back(ReadFile(entry.path()));
    }
    if (pool.empty()) pool.push_back("<domainlist/>");

    for (const std::string& input : pool) Run(input);
    Mutator mutator(static_cast<std::uint32_t>(seed));
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    long done = 0;
    for (; done < runs && std::chrono::steady_clock::now() < end; ++done) {
        std::string input = mutator.Mutate(pool[mutator.Below(pool.size())], pool);
        Run(input);
        // Some inputs join the pool, so that mutations build on earlier ones.
        if (pool.size() < 64 && mutator.Below(8) == 0) pool.push_back(std::move(input));
    }
    std::printf("%ld mutated inputs from %zu seeds (seed %ld)\n", done, pool.size(), seed);
    return 0;
}
