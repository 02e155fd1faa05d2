// A small dialog class whose steps a test can watch and steer.
#pragma once

#include <afxwin.h>

#include <functional>

class ProbeDialog : public CDialog {
public:
    explicit ProbeDialog(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    // Run before the base OnInitDialog, and after it.
    std::function<void(ProbeDialog&)> beforeBaseInit;
    std::function<void(ProbeDialog&)> afterBaseInit;
    // Sees every message the framework routes to the dialog, before the map.
    std::function<void(ProbeDialog&, UINT, WPARAM, LPARAM)> onMessage;

    const SHACTIVATEINFO& ActivationRecord() const { return m_activationInfo; }

    BOOL OnInitDialog() override {
        if (beforeBaseInit) beforeBaseInit(*this);
        BOOL result = CDialog::OnInitDialog();
        if (afterBaseInit) afterBaseInit(*this);
        return result;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (onMessage) onMessage(*this, message, wParam, lParam);
        return CDialog::WindowProc(message, wParam, lParam);
    }
};
