#pragma once
// The shell manager and the visual manager of the class library. They serve
// frame windows, shell dialogs and themed toolbars, none of which this
// program has, so on this system they do nothing; an application may still
// create them as part of its start-up.

class CShellManager {
public:
    CShellManager() = default;
    CShellManager(const CShellManager&) = delete;
    CShellManager& operator=(const CShellManager&) = delete;
};

class CMFCVisualManager {
public:
    // Makes `Manager` the look of the library's own controls: nothing to do.
    template <class Manager> static void SetDefaultManager() {}
};

class CMFCVisualManagerWindows : public CMFCVisualManager {};
