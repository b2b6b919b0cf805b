#pragma once

#include "platform/Automation.h"

#include <QPoint>
#include <Qt>

#include <optional>
#include <string>
#include <vector>

// One checked line of a scripted session. Only the fields of its kind are set.
struct SessionCommand {
    enum class Kind {
        Open,
        Menu,
        Key,
        Mouse,
        Drag,
        Resize,
        AnswerFile,
        AnswerMessage,
        AnswerDialog,
        Tick,
        Dump,
        Screenshot,
        LayoutDefault,
        Quit
    };
    enum class MouseAction { Down, Up, DoubleClick, Move };

    Kind kind = Kind::Quit;
    int nLine = 0;

    // open, dump, screenshot; answer file (empty when the answer is cancel).
    std::optional<std::string> path;
    // menu: the item texts, top level first.
    std::vector<std::string> menuTexts;
    // "@ TITLE" of key, mouse, drag and screenshot; the window of resize.
    std::optional<std::string> title;
    // "to TITLE" of a drag that ends in another window.
    std::optional<std::string> toTitle;

    // key: the Qt key pressed and the modifiers held with it.
    int nKey = 0;
    Qt::KeyboardModifiers modifiers;

    // mouse and drag (modifiers above): the button(s), the client points.
    MouseAction mouseAction = MouseAction::Move;
    Qt::MouseButtons buttons;
    QPoint from;
    QPoint to;
    int nSteps = 0;

    // resize: the client size.
    int nWidth = 0;
    int nHeight = 0;

    // answer message: IDYES, IDNO, IDOK or IDCANCEL.
    int nAnswer = 0;
    // answer dialog: how it closes and what is done to its controls first.
    bool bDialogOk = false;
    std::vector<Automation::DialogAction> dialogActions;

    // tick: how many ticks.
    int nCount = 0;
};
