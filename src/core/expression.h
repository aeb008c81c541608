// The expression evaluator behind every number field: turns a text such as "2*3.25+0.5" or
// "10*TAN(15)" into a value and a status (plain value, formula, arithmetic or syntax error).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brevant {

enum ExprStatus : int {
    kExprSyntaxError = 0,
    kExprPlain = 1,
    kExprFormula = 2,           // the text contains "*" or "/" after its first token
    kExprPlainArithError = 5,   // plain + 4
    kExprFormulaArithError = 6, // formula + 4
    kExprEmpty = 9,
};

// value is always finite; it is 0 for every status but kExprPlain and kExprFormula.
struct ExprResult {
    double value = 0;
    int status = kExprEmpty;
};

// The functions a name token may carry, in the order the lexer tests their names.
enum class ExprFunction : std::uint8_t {
    Abs,
    Atan,
    Tan,
    Cotan,
    Cos,
    Exp,
    Ln,
    Round,
    Sin,
    Sqrt,
    Sqr,
    Trunc
};

// The kinds of token the lexer hands the parser.
enum ExprTokenKind : std::uint8_t {
    kTokenPlus = 0,
    kTokenMinus = 1,
    kTokenTimes = 2,  // marks the text as a formula
    kTokenDivide = 3, // marks the text as a formula
    kTokenPower = 4,
    kTokenColon = 5,
    kTokenOpenParen = 6,
    kTokenCloseParen = 7,
    kTokenNumber = 8,
    kTokenCell = 9, // never produced: the evaluator has no cell references
    kTokenFunction = 10,
    kTokenEndOfText = 11,
    kTokenBadChar = 12,
};

// A small shift-reduce parser with its own lexer. All state lives in the object and is reset by
// every call, so one evaluator can be reused; separate objects are independent.
//
// decimalSeparator: 0 = no number format supplied ("." is the separator); otherwise the
// separator of the supplied number format. Numbers reach the conversion as digits, at most one
// separator and an exponent, so the value read does not depend on which separator is supplied;
// nothing depends on the process's C locale either.
class ExpressionEvaluator {
public:
    ExprResult Evaluate(std::string_view text, char decimalSeparator = 0);

    // The deepest the parser stack may grow, counting the start token.
    static constexpr int kStackSize = 20;

private:
    struct Token {
        std::uint8_t state = 0; // parser state once on the stack
        double value = 0;
        ExprFunction function = ExprFunction::Abs;
    };

    ExprTokenKind NextToken();
    ExprTokenKind ReadNumber();
    ExprTokenKind ReadName();
    void Shift(std::uint8_t state);
    void Reduce(int production);
    void ReduceBinary(int production);
    std::uint8_t GotoState(int production) const;
    void Step(bool& accepted);
    void Push(const Token& token);
    Token Pop();

    std::string text_;       // the text with spaces removed and "," read as "."
    std::string_view rest_;  // what the lexer has not read yet
    std::string numberText_; // the characters of the number being converted
    std::array<Token, kStackSize> stack_{};
    int top_ = -1;  // index of the top token, -1 when empty
    Token current_; // the look-ahead token
    ExprTokenKind kind_ = kTokenEndOfText;
    bool syntaxError_ = false;
    bool arithError_ = false;
    bool formula_ = false;
};

// Evaluates one text with a fresh evaluator.
ExprResult EvaluateExpression(std::string_view text, char decimalSeparator = 0);

} // namespace brevant
