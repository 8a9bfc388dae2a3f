#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimOptions.h"

// --help (or -h) anywhere asks for the usage; value options without a value
// and values out of range are refused with a message naming the option.
TEST(SimOptions, HelpIsAnAnswerAndBadValuesAreRefused) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        bool help;
        const char* error;
    };
    const Case cases[] = {
        {{"--help"}, true, true, ""},
        {{"--pace", "-h"}, true, true, ""},
        {{"--fault", "hangup=3", "--pace"}, true, false, ""},
        {{"--image"}, false, false, "--image needs a value"},
        {{"--map-revision", "4"}, false, false, "--map-revision takes 0, 1, 2 or 3"},
        {{"--info-hex", "00"}, false, false, "--info-hex takes 38 bytes in hex"},
        {{"--colour", "red"}, false, false, "unknown option '--colour'"},
    };
    for (const Case& c : cases) {
        SimOptions options;
        std::string error;
        EXPECT_EQ(ParseSimOptions(c.args, options, error), c.ok) << c.args[0];
        EXPECT_EQ(options.help, c.help) << c.args[0];
        EXPECT_EQ(error, c.error);
    }
}
