#include <cerrno>
#include <optional>
#include <string>

#include "cli/output_buffer.h"
#include "cli/verbs.h"
#include "document/input_reader.h"
#include "editing/number_text.h"
#include "search/input_search.h"
#include "search/search_pattern.h"

namespace orvel::cli {
namespace {

struct FindOptions {
    std::optional<TextEncoding> text;  // none: PATTERN is hex
    bool ignoreCase = false;
    bool count = false;
    bool backward = false;
};

// Reads the options into `options`; an error message, or empty.
std::string ReadOptions(const std::vector<std::string>& given, FindOptions& options) {
    for (const std::string& option : given) {
        std::optional<TextEncoding> encoding;
        if (option == "--text") {
            encoding = TextEncoding::kLatin1;
        } else if (option == "--utf16le") {
            encoding = TextEncoding::kUtf16LE;
        } else if (option == "--utf16be") {
            encoding = TextEncoding::kUtf16BE;
        } else if (option == "-i") {
            options.ignoreCase = true;
        } else if (option == "--count") {
            options.count = true;
        } else if (option == "--backward") {
            options.backward = true;
        } else {
            return "unknown option " + option + " (orvel-cli --help lists the options)";
        }
        if (encoding && options.text && *options.text != *encoding)
            return "choose one of --text, --utf16le and --utf16be";
        if (encoding)
            options.text = encoding;
    }
    if (options.ignoreCase && !options.text)
        return "-i needs --text, --utf16le or --utf16be";
    return {};
}

std::optional<SearchPattern> ReadPattern(const std::string& arg, const FindOptions& options) {
    if (!options.text)
        return ParseHexPattern(arg);
    return TextPattern(DecodeArgumentText(arg), *options.text, options.ignoreCase);
}

std::string PatternRule(const FindOptions& options) {
    const std::string most = std::to_string(kMaxSearchPatternSize);
    if (!options.text)
        return "PATTERN must be hex digits, with ?? for any byte, for 1 to " + most + " bytes";
    if (*options.text == TextEncoding::kLatin1)
        return "PATTERN must be Latin-1 text of 1 to " + most + " characters";
    return "PATTERN must be text of 1 to " + std::to_string(kMaxSearchPatternSize / 2) +
           " UTF-16 code units";
}

}  // namespace

int RunFind(const std::vector<std::string>& args) {
    const Arguments arguments = SplitOptions(args);
    FindOptions options;
    if (const std::string problem = ReadOptions(arguments.options, options); !problem.empty())
        return Fail(problem, 2);
    const std::vector<std::string>& operands = arguments.operands;
    if (operands.size() < 2 || operands.size() > 3)
        return Fail("usage: orvel-cli find [OPTIONS] FILE PATTERN [START]", 2);
    const std::optional<SearchPattern> pattern = ReadPattern(operands[1], options);
    if (!pattern)
        return Fail(PatternRule(options), 2);
    Offset start = 0;
    if (operands.size() == 3) {
        const std::optional<std::uint32_t> value = ParseNumber(operands[2], NumberBase::kHex);
        if (!value || operands[2].size() > 8)
            return Fail("START must be 1 to 8 hexadecimal digits", 2);
        start = *value;
    }

    InputReader in;
    FileError error;
    if (!in.Open(InputPath(operands[0]), error) || (options.backward && !in.Spool(error)))
        return Fail(operands[0] + ": " + error.text, 2);
    if (options.backward && operands.size() < 3)
        start = in.size();
    OutputBuffer out;
    Offset hits = 0;
    const auto sink = [&](Offset at) {
        ++hits;
        return options.count || out.AppendHexLine(at);
    };
    const Searcher searcher(*pattern);
    const auto direction =
        options.backward ? SearchDirection::kBackward : SearchDirection::kForward;
    if (!SearchInput(in, searcher, direction, start, sink, error)) {
        static_cast<void>(out.Flush());
        return Fail(operands[0] + ": " + error.text, 2);
    }
    if (options.count)
        out.Append(std::to_string(hits) + "\n");
    if (!out.Flush())
        return Fail(std::string("write error: ") + SystemErrorText(errno), 2);
    return hits > 0 ? 0 : 1;
}

}  // namespace orvel::cli
