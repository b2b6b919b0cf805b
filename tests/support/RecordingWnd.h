#pragma once

#include "platform/CWnd.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A window that writes down every message it handles, as "NAME" or
// "NAME flags x y" for mouse messages, "NAME code" for keys and
// "NAME code pos" for scrolling.
class RecordingWnd : public CWnd {
  public:
    std::vector<std::string> m_log;
    std::function<void(int cx, int cy)> m_onSize;
    std::function<void()> m_onPaint;
    std::function<void(UINT, UINT)> m_onVScroll;
    std::function<void(UINT, CPoint)> m_onLButtonDown;
    int m_nCreateResult = 0;

    std::vector<std::string> Take() { return std::exchange(m_log, {}); }

    BOOL Make(DWORD dwStyle, const RECT& rect, CWnd* pParent = nullptr, DWORD dwExStyle = 0,
              LPCSTR lpszClass = nullptr) {
        return CreateEx(dwExStyle, lpszClass, "Recording", dwStyle, rect, pParent, 1);
    }

  protected:
    int OnCreate(LPCREATESTRUCT) override {
        Log("WM_CREATE");
        return m_nCreateResult;
    }
    void OnDestroy() override { Log("WM_DESTROY"); }
    void PostNcDestroy() override { Log("PostNcDestroy"); }
    void OnSize(UINT, int cx, int cy) override {
        Log("WM_SIZE " + std::to_string(cx) + " " + std::to_string(cy));
        if (m_onSize)
            m_onSize(cx, cy);
    }
    BOOL OnEraseBkgnd(CDC* pDC) override {
        Log("WM_ERASEBKGND");
        return CWnd::OnEraseBkgnd(pDC);
    }
    void OnPaint() override {
        Log("WM_PAINT");
        if (m_onPaint)
            m_onPaint();
    }
    void OnSetFocus(CWnd*) override { Log("WM_SETFOCUS"); }
    void OnMouseMove(UINT nFlags, CPoint point) override { Mouse("WM_MOUSEMOVE", nFlags, point); }
    void OnLButtonDown(UINT nFlags, CPoint point) override {
        Mouse("WM_LBUTTONDOWN", nFlags, point);
        if (m_onLButtonDown)
            m_onLButtonDown(nFlags, point);
    }
    void OnLButtonUp(UINT nFlags, CPoint point) override { Mouse("WM_LBUTTONUP", nFlags, point); }
    void OnLButtonDblClk(UINT nFlags, CPoint point) override {
        Mouse("WM_LBUTTONDBLCLK", nFlags, point);
    }
    void OnRButtonDown(UINT nFlags, CPoint point) override {
        Mouse("WM_RBUTTONDOWN", nFlags, point);
    }
    void OnRButtonUp(UINT nFlags, CPoint point) override { Mouse("WM_RBUTTONUP", nFlags, point); }
    void OnMButtonDown(UINT nFlags, CPoint point) override {
        Mouse("WM_MBUTTONDOWN", nFlags, point);
    }
    void OnMButtonUp(UINT nFlags, CPoint point) override { Mouse("WM_MBUTTONUP", nFlags, point); }
    void OnKeyDown(UINT nChar, UINT, UINT) override { Log("WM_KEYDOWN " + std::to_string(nChar)); }
    void OnKeyUp(UINT nChar, UINT, UINT) override { Log("WM_KEYUP " + std::to_string(nChar)); }
    void OnSysKeyDown(UINT nChar, UINT, UINT) override {
        Log("WM_SYSKEYDOWN " + std::to_string(nChar));
    }
    void OnSysKeyUp(UINT nChar, UINT, UINT) override {
        Log("WM_SYSKEYUP " + std::to_string(nChar));
    }
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) override {
        Log("WM_HSCROLL " + std::to_string(nSBCode) + " " + std::to_string(nPos));
    }
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) override {
        Log("WM_VSCROLL " + std::to_string(nSBCode) + " " + std::to_string(nPos));
        if (m_onVScroll)
            m_onVScroll(nSBCode, nPos);
    }

  private:
    void Log(std::string entry) { m_log.push_back(std::move(entry)); }
    void Mouse(const char* name, UINT nFlags, CPoint point) {
        Log(std::string(name) + " " + std::to_string(nFlags) + " " + std::to_string(point.x) + " " +
            std::to_string(point.y));
    }
};
