// A controller runs the pages behind one tab of the book until a page is
// closed from outside (a tab click, the window closing) or it finishes.
#pragma once

class TController {
public:
    virtual ~TController() = default;
    virtual void Run() = 0;
};
