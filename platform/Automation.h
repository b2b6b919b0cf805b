#pragma once

#include <optional>
#include <string>
#include <vector>

// Prepared answers for the dialogs of a scripted session or a test. A message
// box, file dialog or modal dialog takes the next queued answer of its kind
// when one is waiting and then shows nothing; otherwise it is a real modal Qt
// dialog, except in session mode, where a message box takes its default
// button and a file or modal dialog is cancelled, so that nothing waits for a
// person. Every message box is recorded.
class Automation {
  public:
    static Automation& Instance();

    void SetSessionMode(bool on);
    bool IsSessionMode() const { return m_bSessionMode; }

    // std::nullopt: the dialog is cancelled.
    void QueueFileAnswer(std::optional<std::string> path);
    // IDYES, IDNO, IDOK, IDCANCEL ...
    void QueueMessageAnswer(int id);
    // Type: the text is typed into the edit control id. Select: the entry with
    // that text is selected in the list or combo box id. Click: button id is
    // clicked. Then the dialog is closed with OK or Cancel.
    struct DialogAction {
        enum Kind { Type, Select, Click } kind;
        int id;
        std::string text;
    };
    void QueueDialogAnswer(bool ok, std::vector<DialogAction> actions);

    struct MessageRecord {
        std::string text;
        unsigned flags;
        int answer;
    };
    const std::vector<MessageRecord>& GetMessages() const { return m_messages; }

    // A modal dialog as it was shown: its caption and, at the moment it was
    // answered (or, for a person, closed), each control in creation order. items and
    // selection are a list's or combo box's entries and selected index (-1
    // for none); selStart and selEnd an edit's selection.
    struct ControlRecord {
        int id = 0;
        std::string className;
        std::string text;
        bool enabled = true, visible = true;
        std::vector<std::string> items;
        int selection = -1;
        int selStart = 0, selEnd = 0;
    };
    struct DialogRecord {
        std::string caption;
        bool shown = false; // false: cancelled unseen, no control was read
        std::vector<ControlRecord> controls;
    };
    const std::vector<DialogRecord>& GetDialogs() const { return m_dialogs; }
    // Records a dialog as it is shown; the index is for UpdateDialog.
    size_t RecordDialog(std::string caption);
    // Fills in the controls of the record with that index, if it still exists.
    void UpdateDialog(size_t index, std::vector<ControlRecord> controls);

    struct ProcessRecord {
        std::string program, parameters, folder;
    };
    const std::vector<ProcessRecord>& GetProcesses() const { return m_processes; }
    void RecordProcess(ProcessRecord r);

    // Drops queued answers and records.
    void Clear();

    // For the dialogs: the next queued answer of a kind, if any.
    struct DialogAnswer {
        bool ok;
        std::vector<DialogAction> actions;
    };
    std::optional<std::optional<std::string>> TakeFileAnswer();
    std::optional<int> TakeMessageAnswer();
    std::optional<DialogAnswer> TakeDialogAnswer();
    void RecordMessage(MessageRecord r);

  private:
    Automation() = default;

    bool m_bSessionMode = false;
    std::vector<std::optional<std::string>> m_fileAnswers;
    std::vector<int> m_messageAnswers;
    std::vector<DialogAnswer> m_dialogAnswers;
    std::vector<MessageRecord> m_messages;
    std::vector<DialogRecord> m_dialogs;
    std::vector<ProcessRecord> m_processes;
};
