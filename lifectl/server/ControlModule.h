#pragma once
// The framework's module object of a control server; the server derives its
// own from it. Start-up calls InitInstance, shut-down ExitInstance.
class COleControlModule {
public:
    virtual ~COleControlModule() = default;
    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }
};
