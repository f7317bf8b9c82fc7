// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the DOSBox configuration writer. Four NUL-separated
// texts (a drive's host folder, the DOS folder, its host folder, the
// command): either they are refused, or the configuration has exactly the
// lines Kivalto means and each holds only what it should.
#include "fuzzinput.h"
#include "platform/dosbox.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

using fuzzinput::take;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view in(reinterpret_cast<const char*>(data), size);
    kivalto::DriveTable drives = kivalto::DriveTable::hostDefault();
    drives.set('D', take(in));
    std::string dosFolder = "C:\\" + take(in);
    const std::string hostFolder = take(in);
    const std::string command = take(in);
    const bool refused = kivalto::dosboxConfigProblem(drives, dosFolder, hostFolder, command).has_value();
    std::string config;
    try {
        config = kivalto::dosboxConfig(drives, dosFolder, hostFolder, command);
    } catch (const std::invalid_argument&) {
        if (!refused)
            std::abort();
        return 0;
    }
    if (refused)
        std::abort();
    // Header, [autoexec], two mounts, two lines to reach the folder (a
    // drive and "cd", or a spare mount and its drive), call, exit.
    std::size_t lines = 0, calls = 0;
    for (std::size_t start = 0; start < config.size();) {
        const std::size_t end = config.find('\n', start);
        if (end == std::string::npos)
            std::abort();
        const std::string line = config.substr(start, end - start);
        for (unsigned char c : line)
            if (c < 32 || c == 127)
                std::abort();
        calls += line.rfind("call ", 0) == 0;
        ++lines;
        start = end + 1;
    }
    if (lines != 8 || calls != 1 || config.compare(config.size() - 5, 5, "exit\n") != 0)
        std::abort();
    return 0;
}
