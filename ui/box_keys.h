// The markup box's keyboard rules over the captions of its buttons, left to
// right: focus movement that wraps around, Alt+letter and plain letters.
#pragma once

#include <string>
#include <vector>

namespace vantor {

// The button (from 0) that focus index i lands on among count buttons: a
// negative index counts from the right, and the index wraps around.
int FocusSlot(int index, int count);

// Alt and a typed character: the leftmost button whose caption's second
// character is that character or its upper-case form ("&Cancel" answers to
// Alt+c and Alt+C); -1 for none.
int AltCharChoice(const std::vector<std::string>& captions, char typed);

// A letter key A-Z: the rightmost button whose caption has that letter, in
// any case, right after its first "&" (or first, when it has no "&"); -1 for none.
int LetterKeyChoice(const std::vector<std::string>& captions, char letter);

}  // namespace vantor
