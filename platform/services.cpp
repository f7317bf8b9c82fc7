// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

namespace kivalto {

namespace {
std::string composite(const std::string& app, const std::string& section, const std::string& key)
{
    return app + '\x1f' + section + '\x1f' + key;
}
} // namespace

std::string MemorySettingsStore::get(const std::string& app, const std::string& section, const std::string& key,
                                     const std::string& def) const
{
    auto it = values_.find(composite(app, section, key));
    return it == values_.end() ? def : it->second;
}

bool MemorySettingsStore::save(const std::string& app, const std::string& section, const std::string& key,
                               const std::string& value)
{
    if (failWrites)
        return false;
    values_[composite(app, section, key)] = value;
    return true;
}

std::vector<std::string> MemorySettingsStore::keys(const std::string& app, const std::string& section) const
{
    std::vector<std::string> out;
    const std::string prefix = app + '\x1f' + section + '\x1f';
    for (auto& [k, v] : values_)
        if (k.compare(0, prefix.size(), prefix) == 0)
            out.push_back(k.substr(prefix.size()));
    return out;
}

Answer ScriptedDialogs::messageBox(const MessageBoxCall& call)
{
    boxes.push_back(call);
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (call.buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return call.defaultButton == 2 ? Answer::Cancel : Answer::Ok;
    case Buttons::YesNo: return call.defaultButton == 2 ? Answer::No : Answer::Yes;
    }
    return Answer::Ok;
}

std::string ScriptedDialogs::openFile(const FileDialogCall& call)
{
    fileDialogs.push_back(call);
    if (files.empty())
        return {};
    std::string f = files.front();
    files.pop_front();
    return f;
}

std::string ScriptedDialogs::saveFile(const FileDialogCall& call)
{
    FileDialogCall c = call;
    c.save = true;
    return openFile(c);
}

} // namespace kivalto
