// The words of a chapter picture in the course's language ("en", "de" or
// "sv"; English for any other): its title, the fingers of the new keys by
// hand, and what to hold with them. UTF-8.
#pragma once

#include <string>

class TKeyData;

struct TPictureText {
    std::string Title;  // "New keys"
    std::string Legend; // a line for each hand that types a new key
    std::string Note;   // Shift or Alt Gr to hold; "" for neither
    int Shift = 0;      // the Shift key to light: 1 left, 2 right, 3 both
    bool AltGr = false; // the keys need Alt Gr, held with the right thumb
};

TPictureText PictureText(const TKeyData& Layout, const std::string& New,
                         const std::string& Language);
