// Readable, stable names for parameterised test cases, so a failing case can be found and re-run by name.
#pragma once

#include <string>

// A sentence as one name: each word's letters and digits, its first letter upper case; punctuation
// dropped. "a push under a label's text" gives "APushUnderALabelsText".
std::string TestNameFromSentence(const std::string& sentence);

// `text` kept apart from every other text: letters, digits and "_" as they stand, a minus sign
// "Minus", a blank "_x20", any other byte "_x" and its hex code; the empty text "Empty".
std::string TestNameFromText(const std::string& text);
