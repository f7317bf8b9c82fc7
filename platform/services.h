// SPDX-License-Identifier: GPL-3.0-or-later
// The operating-system services Kivalto uses, each behind a small
// interface: the per-user settings store, message boxes and file dialogs,
// and process start. The Qt implementations live in platform/qt;
// tests use the in-memory and scripted ones below.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kivalto {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& app, const std::string& section, const std::string& key,
                            const std::string& def) const = 0;
    // False when the value could not be stored.
    virtual bool save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
    virtual std::vector<std::string> keys(const std::string& app, const std::string& section) const = 0;
};

class MemorySettingsStore final : public SettingsStore {
public:
    std::string get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& def) const override;
    bool save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    std::vector<std::string> keys(const std::string& app, const std::string& section) const override;
    bool failWrites = false;  // tests: a store that cannot be written

private:
    std::map<std::string, std::string> values_;
};

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Exclamation, Critical, Information };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageBoxCall {
    std::string text;
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 1;  // 1 = first button, 2 = second
};

struct FileDialogCall {
    bool save = false;
    std::string filter;       // "Description|*.A;*.B"
    std::string startFolder;  // DOS path
};

// Message boxes and file dialogs. File dialogs return a DOS path, or the
// empty text when the user cancelled.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const MessageBoxCall& call) = 0;
    virtual std::string openFile(const FileDialogCall& call) = 0;
    virtual std::string saveFile(const FileDialogCall& call) = 0;
    virtual void beep() = 0;

    // The usual box: OK only, no icon, titled with the program title.
    Answer ok(const std::string& text, const std::string& title = "Kivalto")
    {
        return messageBox({text, title, Buttons::Ok, Icon::None, 1});
    }
};

// Records every box and dialog and answers from queues. An empty answer
// queue gives the default button, or a cancelled file dialog.
class ScriptedDialogs final : public Dialogs {
public:
    Answer messageBox(const MessageBoxCall& call) override;
    std::string openFile(const FileDialogCall& call) override;
    std::string saveFile(const FileDialogCall& call) override;
    void beep() override { ++beeps; }

    std::deque<Answer> answers;
    std::deque<std::string> files;
    std::vector<MessageBoxCall> boxes;
    std::vector<FileDialogCall> fileDialogs;
    int beeps = 0;

    std::string lastText() const { return boxes.empty() ? std::string() : boxes.back().text; }
};

// Window modes of a started program.
enum class ShowMode { Hidden = 0, Normal = 1, Maximized = 3 };

struct StartResult {
    bool ok = true;
    std::string error;  // a sentence for the user when !ok
};

// A program of this system, started with an argument vector (no shell)
// in a session of its own, so that it outlives Kivalto. Host paths.
struct NativeStart {
    std::string program;
    std::vector<std::string> arguments;  // after the program
    std::string workingDir;
    std::string logFile;           // standard output and error; replaced
    std::string removeAfterwards;  // a folder removed once the program has ended, or empty
    // Called when the program ends within about 3 s with a non-zero status
    // (exit code, or 128 + signal).
    std::function<void(int status)> earlyFailure;
    // Called when the program ends while Kivalto runs, with the whole
    // seconds it ran.
    std::function<void(long long seconds)> ended;
};

// Starts programs without waiting. `commandLine` is a DOS command line
// (a program or a document, then its arguments); `workingDir` a DOS folder.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    virtual StartResult start(const std::string& commandLine, const std::string& workingDir, ShowMode mode) = 0;
    virtual StartResult startNative(const NativeStart&) { return {false, "Programs of this system cannot be started here."}; }

    // A program Kivalto stops again itself: it runs until its handle is
    // destroyed (stopped then, if still running). No handle, and `result`
    // says why, when it could not be started.
    class Stoppable {
    public:
        virtual ~Stoppable() = default;
    };
    virtual std::unique_ptr<Stoppable> startStoppable(const std::string& commandLine, const std::string& workingDir,
                                                      ShowMode mode, StartResult& result) = 0;
};

class RecordingProcessStarter final : public ProcessStarter {
public:
    struct Call {
        std::string commandLine;
        std::string workingDir;
        ShowMode mode;
    };
    StartResult start(const std::string& commandLine, const std::string& workingDir, ShowMode mode) override
    {
        calls.push_back({commandLine, workingDir, mode});
        return result;
    }
    StartResult startNative(const NativeStart& start) override
    {
        nativeCalls.push_back(start);
        return result;
    }
    std::vector<Call> calls;
    std::vector<NativeStart> nativeCalls;
    StartResult result;

    // Stoppable starts are recorded in `calls` too; `stopped` counts the
    // handles destroyed.
    std::unique_ptr<Stoppable> startStoppable(const std::string& commandLine, const std::string& workingDir,
                                              ShowMode mode, StartResult& started) override
    {
        started = start(commandLine, workingDir, mode);
        if (!started.ok)
            return nullptr;
        struct Recorded final : Stoppable {
            int& stopped;
            explicit Recorded(int& s) : stopped(s) {}
            ~Recorded() override { ++stopped; }
        };
        return std::make_unique<Recorded>(stopped);
    }
    int stopped = 0;
};

} // namespace kivalto
