#pragma once

// The host with the time line, cast list and player timer models as fakes,
// the two windows opened as the View menu opens them, and a person's mouse.

#include "MainWindowTest.h"

#include "app/SessionInput.h"
#include "core/QuendaInterfaces.h"
#include "timeline/CastListFrame.h"
#include "timeline/TimeLineFrame.h"

#include "framework/SharedObjects.h"

#include <QWidget>

#include <cmath>
#include <tuple>

class WindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pTimeLineModel));
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pCast));
        GetSharedObjects()->AddObject(Pointer<SharedObject>(m_pTimer));
    }
    void TearDown() override {
        if (m_pTimeLine)
            m_pTimeLine->DestroyWindow();
        if (m_pCastList)
            m_pCastList->DestroyWindow();
        m_interfaces.Shutdown();
        MainWindowTest::TearDown();
    }

    // Windows opened afterwards take their input through these handlers.
    void UseHandlers(std::initializer_list<const RTTIClass*> classes) {
        for (const RTTIClass* record : classes)
            m_interfaces.AddClass(record);
        m_interfaces.Initialize();
    }
    // Opened with the View menu's resource, style and title, then given the
    // client size asked for.
    TimeLineFrame* OpenTimeLine(int width, int height) {
        return Open(m_pTimeLine, 105, 0x06FF0000, "Time Line", width, height);
    }
    CastListFrame* OpenCastList(int width, int height) {
        return Open(m_pCastList, 104, 0x06EF0000, "Cast List", width, height);
    }
    static COLORREF PixelAt(CWnd* window, int x, int y) { return ColourOf(Picture(window), x, y); }
    // One picture, each point its colour.
    static void ExpectColours(CWnd* window,
                              std::initializer_list<std::tuple<int, int, COLORREF>> points) {
        const QImage picture = Picture(window);
        for (const auto& [x, y, colour] : points)
            EXPECT_EQ(ColourOf(picture, x, y), colour) << x << "," << y;
    }
    // Whether any pixel of the area (right and bottom edges outside) has the colour.
    static bool Shows(CWnd* window, COLORREF colour, int left, int top, int right, int bottom) {
        const QImage picture = Picture(window);
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (ColourOf(picture, x, y) == colour)
                    return true;
        return false;
    }
    // The first and last frame inside the time line's black selection block,
    // on the middle line of the row; -1, -1 for none.
    std::pair<int, int> SelectionBlock(int row) {
        QImage picture = Picture(m_pTimeLine);
        int first = -1, last = -1;
        for (int x = 29; x < picture.width(); ++x)
            if (ColourOf(picture, x, Cell(row, 1).y()) == RGB(0, 0, 0)) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0)
            return {-1, -1};
        // The outline is two pixels wide around the block's edges.
        return {static_cast<int>(std::lround((first - 30) / 12.0)) + 1,
                static_cast<int>(std::lround((last + 1 - 30) / 12.0))};
    }
    static void Scroll(CWnd* window, UINT message, int code, int position = 0) {
        window->SendMessage(message,
                            MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)), 0);
    }
    // The middle of a time line cell, in client coordinates.
    static QPoint Cell(int row, int frame) { return QPoint(24 + 12 * frame, 11 + 18 * row); }
    // The left button, at client points of a window.
    void Press(CWnd* window, QPoint at) {
        m_input.Press(window->GetWidget(), at, Qt::LeftButton, {});
    }
    void Move(CWnd* window, QPoint at) { m_input.Move(window->GetWidget(), at, {}); }
    void Release(CWnd* window, QPoint at) {
        m_input.Release(window->GetWidget(), at, Qt::LeftButton, {});
    }

    TimeLineFrame* m_pTimeLine = nullptr; // emptied by the window when it closes
    CastListFrame* m_pCastList = nullptr;
    Pointer<FakeTimeLine> m_pTimeLineModel = new FakeTimeLine;
    Pointer<FakeCastList> m_pCast = new FakeCastList;
    Pointer<FakePlayerTimer> m_pTimer = new FakePlayerTimer;
    QuendaInterfaces m_interfaces;
    SessionInput m_input;

  private:
    template <class Frame>
    Frame* Open(Frame*& field, UINT resource, DWORD style, const char* title, int width,
                int height) {
        field = new Frame(&field);
        EXPECT_TRUE(field->LoadFrame(resource, style, m_pMainWnd));
        field->SetTitle(title);
        field->Redraw();
        field->ShowWindow(SW_RESTORE);
        field->ActivateFrame();
        SetClientSize(field, width, height);
        return field;
    }
};
