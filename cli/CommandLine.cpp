#include "cli/CommandLine.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace porvap {

namespace {

bool ParseJobs(const std::string& text, int& jobs) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, jobs);
    return error == std::errc() && stop == end && jobs >= 1;
}

// The value of option -X: the rest of the argument, or the next argument.
bool OptionValue(const std::vector<std::string>& arguments, std::size_t& i, std::string& value) {
    if (arguments[i].size() > 2) {
        value = arguments[i].substr(2);
        return true;
    }
    if (i + 1 >= arguments.size())
        return false;
    value = arguments[++i];
    return true;
}

bool ParseOption(const std::vector<std::string>& arguments, std::size_t& i, CommandLine& line,
                 std::string& error) {
    const std::string& option = arguments[i];
    if (option == "-h" || option == "--help") {
        line.help = true;
        return true;
    }
    const char letter = option[1];
    if (option.rfind("--", 0) == 0 || (letter != 'j' && letter != 'o')) {
        error = "unknown option '" + option + "'";
        return false;
    }
    std::string value;
    if (!OptionValue(arguments, i, value) || value.empty()) {
        error = std::string("option -") + letter + " needs a value";
        return false;
    }
    if (letter == 'o') {
        line.outputDirectory = value;
        return true;
    }
    if (!ParseJobs(value, line.jobs)) {
        error = "-j needs a whole number of cases from 1, not '" + value + "'";
        return false;
    }
    return true;
}

}  // namespace

bool CommandLine::SingleCase() const {
    std::error_code ignored;
    return inputs.size() == 1 && !outputDirectory &&
           !std::filesystem::is_directory(inputs.front(), ignored);
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CommandLine& line,
                      std::string& error) {
    line = CommandLine{};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            line.inputs.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (!ParseOption(arguments, i, line, error)) {
            return false;
        }
    }
    if (line.inputs.empty() && !line.help) {
        error = "no case file or directory given";
        return false;
    }
    return true;
}

int ReportUsageError(const std::string& message) {
    std::fprintf(stderr, "porvap-run: %s\nTry 'porvap-run --help' for more information.\n",
                 message.c_str());
    return 2;
}

}  // namespace porvap
