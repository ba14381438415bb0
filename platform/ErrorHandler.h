// The program's general error handler.
//
// Parsers raise an input error (an exception derived from std::exception)
// and abandon their load; no exception may cross a toolkit event handler.
// Every handler that calls into the program's logic runs it through Guarded,
// which shows the error's message and lets the program go on.
#pragma once

#include <exception>
#include <utility>

// Shows the message of an exception that reached the general handler.
void ShowException(const std::exception& Error);

template <class F> void Guarded(F&& Handler) {
    try {
        std::forward<F>(Handler)();
    } catch (const std::exception& Error) {
        ShowException(Error);
    }
}
