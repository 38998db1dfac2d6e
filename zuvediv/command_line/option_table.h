#pragma once
// The tool's options, each once: its name, what it sets, the value it takes
// and its line in the usage text. Parsing and the usage text both read it.
#include <string>
#include <variant>
#include <vector>

#include "command_line/options.h"

namespace zuvediv {

struct EndOfOptions {};  // "--"
struct TextValue {
    std::string Options::*field;
    bool may_be_empty;
};
struct IntegerValue {
    int Options::*field;
    long low;
    long high;
};
using ColourValue = uint32_t Options::*;
using FormatValue = ImageFormat Options::*;
using Flag = bool Options::*;

// A flag or EndOfOptions takes no value; every other target does.
using OptionTarget = std::variant<EndOfOptions, Flag, TextValue, IntegerValue, ColourValue, FormatValue>;

struct OptionSpec {
    const char* name;        // "-s"
    OptionTarget target;
    std::string value_name;  // shown in the usage text, "" without a value
    std::string description;
};

const std::vector<OptionSpec>& option_table();  // in usage-text order
const OptionSpec* find_option(const std::string& name);
bool takes_value(const OptionSpec& option);

}  // namespace zuvediv
