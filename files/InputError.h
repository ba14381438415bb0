// The one exception of the program's input handling: a data file holds
// something its reader cannot take (a tag without a value, a number that is
// not a number). The load is abandoned and the program's general error
// handler shows the message. The message is Latin-1 text.
#pragma once

#include <stdexcept>
#include <string>

class EInputError : public std::runtime_error {
public:
    explicit EInputError(const std::string& Message) : std::runtime_error(Message) {}
};
