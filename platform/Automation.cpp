#include "platform/Automation.h"

#include <utility>

namespace {
template <class T> std::optional<T> TakeFirst(std::vector<T>& queue) {
    if (queue.empty())
        return std::nullopt;
    T first = std::move(queue.front());
    queue.erase(queue.begin());
    return first;
}
} // namespace

Automation& Automation::Instance() {
    static Automation automation;
    return automation;
}

void Automation::SetSessionMode(bool on) {
    m_bSessionMode = on;
}

void Automation::QueueFileAnswer(std::optional<std::string> path) {
    m_fileAnswers.push_back(std::move(path));
}

void Automation::QueueMessageAnswer(int id) {
    m_messageAnswers.push_back(id);
}

void Automation::QueueDialogAnswer(bool ok, std::vector<DialogAction> actions) {
    m_dialogAnswers.push_back({ok, std::move(actions)});
}

void Automation::RecordProcess(ProcessRecord r) {
    m_processes.push_back(std::move(r));
}

void Automation::RecordMessage(MessageRecord r) {
    m_messages.push_back(std::move(r));
}

size_t Automation::RecordDialog(std::string caption) {
    m_dialogs.push_back({std::move(caption), false, {}});
    return m_dialogs.size() - 1;
}

void Automation::UpdateDialog(size_t index, std::vector<ControlRecord> controls) {
    if (index >= m_dialogs.size())
        return;
    m_dialogs[index].shown = true;
    m_dialogs[index].controls = std::move(controls);
}

void Automation::Clear() {
    m_fileAnswers.clear();
    m_messageAnswers.clear();
    m_dialogAnswers.clear();
    m_messages.clear();
    m_dialogs.clear();
    m_processes.clear();
}

std::optional<std::optional<std::string>> Automation::TakeFileAnswer() {
    return TakeFirst(m_fileAnswers);
}

std::optional<int> Automation::TakeMessageAnswer() {
    return TakeFirst(m_messageAnswers);
}

std::optional<Automation::DialogAnswer> Automation::TakeDialogAnswer() {
    return TakeFirst(m_dialogAnswers);
}
