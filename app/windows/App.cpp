// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/App.h"

#include "app/windows/Splash.h"
#include "library/libraryplaces.h"
#include "library/windows/playrecorder.h"
#include "platform/qt/widgetkit.h"
#include "platform/textfield.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"

namespace kivalto {

void App::showError(const std::string& text)
{
    if (startupNotices.collecting())
        startupNotices.add(text);
    else
        errorfrm->showText(text);
}

void App::notice(const std::string& text)
{
    if (startupNotices.collecting())
        startupNotices.add(text);
    else
        dialogs.ok(text, title);
}

void App::noticeOversize(const std::string& file) { notice(oversizeNotice(file)); }

void App::showMessage(const std::string& text) { mesage->showText(text); }

void App::showAbout() { showInFront(Splash); }

void App::saveOption(const std::string& key, bool on)
{
    if (!settings.save(settingsApp, "Options", key, on ? "1" : "0"))
        dialogs.ok("The setting \"" + key +
                       "\" could not be saved: the settings file cannot be written. The change holds until Kivalto "
                       "ends.",
                   title);
}

int App::playStarted(const std::string& romDosPath)
{
    // Without a library nothing more is read than before.
    const LibraryPlaces places = libraryPlaces(fs);
    std::error_code ec;
    if (!std::filesystem::exists(places.libraryFile, ec))
        return 0;
    const auto rom = fs.resolveExisting(romDosPath);
    if (!rom)
        return 0;
    if (!plays)
        plays = new PlayRecorder(places.programDir);
    return plays->launched(*rom);
}

void App::playEnded(int run, long long seconds)
{
    if (plays && run > 0)
        plays->ended(run, seconds);
}

} // namespace kivalto
