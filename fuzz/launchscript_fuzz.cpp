// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the launch batch file. Values come from NUL-separated
// texts; whatever they hold, a launch that is not refused writes exactly
// the lines the toggles ask for, none with a control character, "<", ">"
// or "|", and no command tail longer than DOS passes.
#include "fuzzinput.h"
#include "launch/launchscript.h"

#include <cstdint>
#include <cstdlib>

using fuzzinput::take;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const unsigned flags = data[0] | (data[1] << 8);
    std::string_view in(reinterpret_cast<const char*>(data + 2), size - 2);
    kivalto::LaunchInputs li;
    for (std::string* v : {&li.emulatorDir, &li.frameskip, &li.romDir, &li.romFile, &li.sneskeyDir, &li.vesaCommand,
                           &li.unzipDir, &li.exeName, &li.frameskipSwitch, &li.fixedSwitches, &li.player2Switch,
                           &li.controllerSwitch, &li.cheatSwitch, &li.cheatCode})
        *v = take(in);
    li.optionSwitches = {take(in)};
    li.displaySwitches = {take(in)};
    bool* toggles[] = {&li.runSnesKey, &li.testAfterRunning, &li.runVesa,      &li.runInDos,  &li.mameRom,
                       &li.enableCheat, &li.shortenNames,    &li.unpackGzip, &li.hasControllerSwitch};
    for (std::size_t i = 0; i < std::size(toggles); ++i)
        *toggles[i] = flags & (1u << i);
    if (kivalto::launchProblem(li))
        return 0;
    const auto script = kivalto::buildLaunchScript(li);
    const bool unpacked = kivalto::isZipLaunch(li) || (kivalto::isGzipLaunch(li) && li.unpackGzip);
    const std::size_t expected = 2 + (li.runSnesKey ? 3 + li.testAfterRunning : 0) + li.runVesa + 2 + 1 +
                                 (kivalto::isZipLaunch(li) ? 3 : unpacked ? 4 : 0);
    if (script.lines.size() != expected)
        std::abort();
    for (const auto& line : script.lines)
        for (unsigned char c : line)
            if (c < 32 || c == 127 || c == '<' || c == '>' || c == '|')
                std::abort();
    return 0;
}
