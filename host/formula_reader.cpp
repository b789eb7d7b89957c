#include "host/formula_reader.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

struct Cursor {
    std::string_view text;
    std::size_t at;
};

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

void skipSpaces(Cursor& cursor) {
    while (cursor.at < cursor.text.size() && isSpace(cursor.text[cursor.at])) {
        ++cursor.at;
    }
}

bool atEnd(const Cursor& cursor) {
    return cursor.at >= cursor.text.size();
}

char peek(const Cursor& cursor) {
    return atEnd(cursor) ? '\0' : cursor.text[cursor.at];
}

bool take(Cursor& cursor, char c) {
    if (peek(cursor) != c) {
        return false;
    }
    ++cursor.at;
    return true;
}

std::size_t skipDigits(Cursor& cursor) {
    std::size_t start = cursor.at;
    while (isDigit(peek(cursor))) {
        ++cursor.at;
    }
    return cursor.at - start;
}

bool readName(Cursor& cursor, std::string& name) {
    char first = peek(cursor);
    if (!isLetter(first) && first != '_') {
        return false;
    }
    std::size_t start = cursor.at;
    while (isLetter(peek(cursor)) || isDigit(peek(cursor)) || peek(cursor) == '_' ||
           peek(cursor) == '.') {
        ++cursor.at;
    }
    name = std::string(cursor.text.substr(start, cursor.at - start));
    return true;
}

// Reads one numeric literal; false, with a reason, when there is none or
// it does not fit a double.
bool readNumber(Cursor& cursor, double& number, std::string& reason) {
    std::size_t start = cursor.at;
    if (peek(cursor) == '+' || peek(cursor) == '-') {
        ++cursor.at;
    }
    std::size_t digits = skipDigits(cursor);
    if (take(cursor, '.')) {
        digits += skipDigits(cursor);
    }
    if (digits == 0) {
        reason = "expected a number at column " + std::to_string(start + 1);
        return false;
    }
    if (peek(cursor) == 'e' || peek(cursor) == 'E') {
        ++cursor.at;
        if (peek(cursor) == '+' || peek(cursor) == '-') {
            ++cursor.at;
        }
        if (skipDigits(cursor) == 0) {
            reason = "exponent without digits at column " + std::to_string(start + 1);
            return false;
        }
    }
    std::string literal(cursor.text.substr(start, cursor.at - start));
    number = std::strtod(literal.c_str(), nullptr);
    if (!std::isfinite(number)) {
        reason = "number " + literal + " is out of range";
        return false;
    }
    return true;
}

}  // namespace

bool readFormula(std::string_view text, Formula& formula, std::string& reason) {
    formula = {};
    Cursor cursor = {text, 0};
    skipSpaces(cursor);
    take(cursor, '=');
    skipSpaces(cursor);
    if (!readName(cursor, formula.name)) {
        reason = "expected a function name at column " + std::to_string(cursor.at + 1);
        return false;
    }
    skipSpaces(cursor);
    if (!take(cursor, '(')) {
        reason = "expected '(' after " + formula.name;
        return false;
    }
    skipSpaces(cursor);
    if (!take(cursor, ')')) {
        for (;;) {
            skipSpaces(cursor);
            double number = 0;
            if (!readNumber(cursor, number, reason)) {
                return false;
            }
            formula.arguments.push_back(number);
            skipSpaces(cursor);
            if (take(cursor, ')')) {
                break;
            }
            if (!take(cursor, ',')) {
                reason = "expected ',' or ')' at column " + std::to_string(cursor.at + 1);
                return false;
            }
        }
    }
    skipSpaces(cursor);
    if (!atEnd(cursor)) {
        reason = "unexpected text after ')' at column " + std::to_string(cursor.at + 1);
        return false;
    }
    return true;
}

bool isBlankLine(std::string_view text) {
    for (char c : text) {
        if (!isSpace(c)) {
            return false;
        }
    }
    return true;
}
