#pragma once

#include <QString>

// Reading what the player types for the grid and the picture path.
namespace GridInput {

// Digits, backspace, tab, line feed and return reach the rows and columns
// boxes; every other character is dropped.
bool boxAccepts(int characterCode);

// A box's text as a whole count: digits only (blanks around them allowed),
// otherwise -1. Counts too large to matter are capped, never wrapped.
int wholeCount(const QString& text);

// An answer to a menu question read as a number from its start as far as it
// forms one (0 when it does not begin with one). `hasFraction` tells whether
// that number goes on past a decimal point.
double leadingNumber(const QString& text, bool* hasFraction = nullptr);

struct PathParts {
    QString baseName;  // the path up to its last "."
    QString extension; // after the last ".", in lower case
    bool found = false;
};
PathParts splitPath(const QString& path);

} // namespace GridInput
