// The expression evaluator's lexer and shift-reduce parser.
//
// Grammar, with the productions numbered as the parser reduces them:
//    1 E -> E + T     2 E -> E - T     3 E -> T
//    4 T -> T * F     5 T -> T / F     6 T -> F
//    7 F -> S ^ F     8 F -> S                      ("^" is right-associative)
//    9 S -> - K      10 S -> K                      (the sign binds tighter than "^")
//   11 K -> cell : cell   12 K -> P
//   13 P -> cell     14 P -> ( E )   15 P -> number   16 P -> function ( E )
// No cell references exist, so 11 and 13 are never reached and ":" is always a syntax error.
#include "core/expression.h"

#include "core/expression_arithmetic.h"

#include <cassert>
#include <charconv>
#include <climits>
#include <optional>
#include <utility>

namespace brevant {
namespace {

constexpr std::array<std::pair<std::string_view, ExprFunction>, 12> kFunctionNames{{
    {"ABS", ExprFunction::Abs},
    {"ATAN", ExprFunction::Atan},
    {"TAN", ExprFunction::Tan},
    {"COTAN", ExprFunction::Cotan},
    {"COS", ExprFunction::Cos},
    {"EXP", ExprFunction::Exp},
    {"LN", ExprFunction::Ln},
    {"ROUND", ExprFunction::Round},
    {"SIN", ExprFunction::Sin},
    {"SQRT", ExprFunction::Sqrt},
    {"SQR", ExprFunction::Sqr},
    {"TRUNC", ExprFunction::Trunc},
}};

constexpr int kMaxExponentDigits = 3;

// The parser's states (the numbers are only names):
//  0 start           1 E' -> E.         2 E -> T.  T -> T.*F    3 T -> F.
//  4 F -> S.^F  F -> S.                 5 S -> -.K              6 S -> K.
//  8 K -> P.         9 P -> (.E)       10 P -> number.         11 P -> function.(E)
// 12 E -> E+.T      13 E -> E-.T       14 T -> T*.F            15 T -> T/.F
// 16 F -> S^.F      17 S -> -K.        19 P -> (E.)            20 P -> function(.E)
// 21 E -> E+T.      22 E -> E-T.       23 T -> T*F.            24 T -> T/F.
// 25 F -> S^F.      27 P -> (E).       28 P -> function(E.)    29 P -> function(E).
// 7, 18 and 26 would hold cell references, which the lexer never produces.
constexpr int kStateCount = 30;
constexpr std::uint8_t kAcceptState = 1;

// The state each token shifts to, 0 where the state does not take the token.
constexpr auto kShiftTable = [] {
    std::array<std::array<std::uint8_t, kTokenBadChar + 1>, kStateCount> table{};
    for (const int s : {0, 5, 9, 12, 13, 14, 15, 16, 20}) { // an operand comes next
        table[s][kTokenNumber] = 10;
        table[s][kTokenFunction] = 11;
        table[s][kTokenOpenParen] = 9;
        if (s != 5) table[s][kTokenMinus] = 5; // no second sign
    }
    for (const int s : {1, 19, 28}) {
        table[s][kTokenPlus] = 12;
        table[s][kTokenMinus] = 13;
    }
    for (const int s : {2, 21, 22}) {
        table[s][kTokenTimes] = 14;
        table[s][kTokenDivide] = 15;
    }
    table[4][kTokenPower] = 16;
    table[11][kTokenOpenParen] = 20; // a function name must be followed by "("
    table[19][kTokenCloseParen] = 27;
    table[28][kTokenCloseParen] = 29;
    return table;
}();

// The production each state reduces when it shifts nothing, 0 for none.
constexpr auto kReduction = [] {
    std::array<std::uint8_t, kStateCount> reduction{};
    reduction[2] = 3;
    reduction[3] = 6;
    reduction[4] = 8;
    reduction[6] = 10;
    reduction[8] = 12;
    reduction[10] = 15;
    reduction[17] = 9;
    reduction[21] = 1;
    reduction[22] = 2;
    reduction[23] = 4;
    reduction[24] = 5;
    reduction[25] = 7;
    reduction[27] = 14;
    reduction[29] = 16;
    return reduction;
}();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Decimal exponent of the first significant digit of a number text "ddd.dddE+ddd"; only asked
// for texts that are out of range, which are never all zeros.
long long LeadingExponent(std::string_view text) {
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    int exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (negative) exponent = -exponent;
    }
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return LLONG_MIN;
    std::size_t dot = mantissa.find('.');
    if (dot == std::string_view::npos) dot = mantissa.size();
    const long long lead = first < dot ? static_cast<long long>(dot - first - 1)
                                       : -static_cast<long long>(first - dot);
    return lead + exponent;
}

// Converts the collected text of a number ("." as the separator). A text that is not a whole
// number (such as "1E" or "1E+") or that overflows fails; one too small for a double reads as 0.
std::optional<double> ConvertNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        if (LeadingExponent(text) >= 0) return std::nullopt;
        return 0.0;
    }
    if (error != std::errc{}) return std::nullopt;
    return value;
}

} // namespace

ExprResult ExpressionEvaluator::Evaluate(std::string_view text, char decimalSeparator) {
    // A supplied number format only changes how the separator is spelt, and the lexer hands
    // the conversion nothing but digits, one separator and an exponent: the value is the same.
    static_cast<void>(decimalSeparator);
    text_.clear();
    for (const char c : text) {
        if (c != ' ') text_.push_back(c == ',' ? '.' : c);
    }
    if (text_.empty()) return {0, kExprEmpty};

    syntaxError_ = arithError_ = formula_ = false;
    rest_ = text_;
    top_ = -1;
    Push(Token{});
    kind_ = NextToken();
    formula_ = false; // a leading "*" or "/" does not make a formula
    bool accepted = false;
    while (!accepted && !syntaxError_)
        Step(accepted);

    if (syntaxError_) return {0, kExprSyntaxError};
    const int status = formula_ ? kExprFormula : kExprPlain;
    if (arithError_) return {0, status + 4};
    return {stack_[top_].value, status};
}

ExprTokenKind ExpressionEvaluator::NextToken() {
    if (rest_.empty()) return kTokenEndOfText;
    const char c = rest_.front();
    if (IsDigit(c) || c == '.') return ReadNumber();
    if (IsLetter(c)) return ReadName();
    rest_.remove_prefix(1);
    switch (c) {
    case '+':
        return kTokenPlus;
    case '-':
        return kTokenMinus;
    case '*':
        formula_ = true;
        return kTokenTimes;
    case '/':
        formula_ = true;
        return kTokenDivide;
    case '^':
        return kTokenPower;
    case ':':
        return kTokenColon;
    case '(':
        return kTokenOpenParen;
    case ')':
        return kTokenCloseParen;
    default:
        return kTokenBadChar;
    }
}

// Digits with at most one ".", then optionally a capital E, a sign and up to three digits.
// A leading "." reads as "0.".
ExprTokenKind ExpressionEvaluator::ReadNumber() {
    std::size_t n = 0;
    bool seenDot = false;
    while (n < rest_.size() && (IsDigit(rest_[n]) || (rest_[n] == '.' && !seenDot))) {
        seenDot = seenDot || rest_[n] == '.';
        ++n;
    }
    if (n < rest_.size() && rest_[n] == 'E') {
        ++n;
        if (n < rest_.size() && (rest_[n] == '+' || rest_[n] == '-')) ++n;
        for (int d = 0; d < kMaxExponentDigits && n < rest_.size() && IsDigit(rest_[n]); ++d)
            ++n;
    }
    numberText_.clear();
    if (rest_.front() == '.') numberText_.push_back('0');
    numberText_.append(rest_.substr(0, n));
    rest_.remove_prefix(n);

    current_.value = 0;
    if (const std::optional<double> value = ConvertNumber(numberText_)) {
        current_.value = *value;
    } else {
        arithError_ = true;
    }
    return kTokenNumber;
}

// Function names are tested in a fixed order and case-sensitively, as prefixes of the input:
// "SQRT" before "SQR", "COTAN" before "COS". Any other name is a syntax error.
ExprTokenKind ExpressionEvaluator::ReadName() {
    for (const auto& [name, function] : kFunctionNames) {
        if (rest_.starts_with(name)) {
            rest_.remove_prefix(name.size());
            current_.function = function;
            return kTokenFunction;
        }
    }
    syntaxError_ = true;
    return kTokenBadChar;
}

void ExpressionEvaluator::Push(const Token& token) {
    if (top_ + 1 == kStackSize) {
        syntaxError_ = true; // nested too deep
        return;
    }
    stack_[++top_] = token;
}

ExpressionEvaluator::Token ExpressionEvaluator::Pop() {
    assert(top_ >= 0);
    return stack_[top_--];
}

void ExpressionEvaluator::Shift(std::uint8_t state) {
    Token token = current_;
    token.state = state;
    Push(token);
    kind_ = NextToken();
}

// One parser action in the state on top of the stack, with kind_ as the look-ahead: accept,
// shift, or the state's reduction. States that end a production reduce whatever the
// look-ahead; a wrong token is then caught in the state reached.
void ExpressionEvaluator::Step(bool& accepted) {
    const std::uint8_t state = stack_[top_].state;
    if (state == kAcceptState && kind_ == kTokenEndOfText) {
        accepted = true;
    } else if (const std::uint8_t next = kShiftTable[state][kind_]) {
        Shift(next);
    } else if (const int production = kReduction[state]) {
        Reduce(production);
    } else {
        syntaxError_ = true;
    }
}

// The state reached from the state now on top of the stack by the left side of a production.
std::uint8_t ExpressionEvaluator::GotoState(int production) const {
    const std::uint8_t state = stack_[top_].state;
    if (production <= 3) return state == 9 ? 19 : state == 20 ? 28 : 1;                     // E
    if (production <= 6) return state == 12 ? 21 : state == 13 ? 22 : 2;                    // T
    if (production <= 8) return state == 14 ? 23 : state == 15 ? 24 : state == 16 ? 25 : 3; // F
    if (production <= 10) return 4;                                                         // S
    if (production <= 12) return state == 5 ? 17 : 6;                                       // K
    return 8;                                                                               // P
}

// X -> X op Y: pops three tokens and pushes the result. An arithmetic error keeps the left value.
void ExpressionEvaluator::ReduceBinary(int production) {
    const Token right = Pop();
    Pop();
    Token result = Pop();
    std::optional<double> value;
    switch (production) {
    case 1:
        value = ExprAdd(result.value, right.value);
        break;
    case 2:
        value = ExprSubtract(result.value, right.value);
        break;
    case 4:
        value = ExprMultiply(result.value, right.value);
        break;
    case 5:
        value = ExprDivide(result.value, right.value);
        break;
    default:
        value = ExprPower(result.value, right.value);
        break;
    }
    if (value)
        result.value = *value;
    else
        arithError_ = true;
    result.state = GotoState(production);
    Push(result);
}

void ExpressionEvaluator::Reduce(int production) {
    Token result;
    switch (production) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 7:
        ReduceBinary(production);
        return;
    case 9: // S -> - K
        result = Pop();
        Pop();
        result.value = -result.value;
        break;
    case 14: // P -> ( E )
        Pop();
        result = Pop();
        Pop();
        break;
    case 16: { // P -> function ( E )
        Pop();
        result = Pop();
        Pop();
        const Token function = Pop();
        if (const std::optional<double> value = ExprApply(function.function, result.value))
            result.value = *value;
        else
            arithError_ = true;
        break;
    }
    default:
        result = Pop();
        break; // single-symbol productions pass the value on
    }
    result.state = GotoState(production);
    Push(result);
}

ExprResult EvaluateExpression(std::string_view text, char decimalSeparator) {
    ExpressionEvaluator evaluator;
    return evaluator.Evaluate(text, decimalSeparator);
}

} // namespace brevant
