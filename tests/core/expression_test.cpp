// Tests of the expression evaluator: values and statuses of the texts a user may type.
#include "core/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace brevant;

namespace {

struct Case {
    const char* text;
    double value;
    int status;
};

// The trigonometric functions use a rounded degree constant, so their results agree with the
// exact ones only to about 1e-12.
constexpr double kTolerance = 1e-9;

void ExpectCases(const std::vector<Case>& cases, char separator = 0) {
    ExpressionEvaluator evaluator;
    for (const Case& c : cases) {
        const ExprResult r = evaluator.Evaluate(c.text, separator);
        EXPECT_EQ(r.status, c.status) << '"' << c.text << '"';
        EXPECT_NEAR(r.value, c.value, kTolerance * std::max(1.0, std::fabs(c.value)))
            << '"' << c.text << '"';
    }
}

std::string Nested(int depth, const std::string& inner) {
    return std::string(depth, '(') + inner + std::string(depth, ')');
}

} // namespace

TEST(Expression, PlainValuesAndFormulas) {
    ExpectCases({
        {"12.5", 12.5, kExprPlain},
        {"2+3", 5, kExprPlain},   // "+" and "-" leave a text plain
        {"3-2-1", 0, kExprPlain}, // left-associative
        {"-2", -2, kExprPlain},
        {".5", 0.5, kExprPlain},
        {"5.", 5, kExprPlain},
        {".", 0, kExprPlain},
        {"007", 7, kExprPlain},
        {"1/8", 0.125, kExprFormula},
        {"2*3.25+0.5", 7, kExprFormula},
        {"8/4/2", 1, kExprFormula},
        {"2+3*4", 14, kExprFormula},
        {"(2+3)*4", 20, kExprFormula},
        {"-(2*3)", -6, kExprFormula},
        {"2*-3", -6, kExprFormula}, // a sign may follow an operator
        {"2^-1", 0.5, kExprPlain},
        {"2^3^2", 512, kExprPlain}, // "^" is right-associative
        {"2^0.5", 1.4142135623730951, kExprPlain},
        {"((1))", 1, kExprPlain},
    });
}

TEST(Expression, SpacesCommasAndEmptyText) {
    ExpectCases({
        {"", 0, kExprEmpty},
        {"   ", 0, kExprEmpty},
        {" 1 / 8 ", 0.125, kExprFormula},
        {"3,5", 3.5, kExprPlain},
        {"1,5*2", 3, kExprFormula},
        {"SIN 30", 0, kExprSyntaxError}, // spaces are gone: SIN30 lacks its "("
        {"1\t+2", 0, kExprSyntaxError},  // only the plain space is removed
    });
    // With a number format whose separator is ",", numbers read the same after "," became ".".
    ExpectCases({{"3,5", 3.5, kExprPlain}, {"3.5*2", 7, kExprFormula}, {"2E3", 2000, kExprPlain}},
                ',');
}

TEST(Expression, NumberLexing) {
    ExpectCases({
        {"2E3", 2000, kExprPlain},
        {"2E+3", 2000, kExprPlain},
        {"2E-3", 0.002, kExprPlain},
        {"1.5E2", 150, kExprPlain},
        {"1E123", 1e123, kExprPlain},
        {"2e3", 0, kExprSyntaxError},    // a lower-case e starts a name
        {"1E1234", 0, kExprSyntaxError}, // the fourth exponent digit is a second number
        {"1.2.3", 0, kExprSyntaxError},  // ".3" is a second number
        {"2(3)", 0, kExprSyntaxError},
        {"1E", 0, kExprPlainArithError}, // conversion fails
        {"1E+", 0, kExprPlainArithError},
        {"1E400", 0, kExprPlainArithError}, // overflow
        {"2*1E400", 0, kExprFormulaArithError},
        {"1E-400", 0, kExprPlain},        // too small for a double reads as zero
        {"2EXP(1)", 0, kExprSyntaxError}, // "2E" then the name "XP"
    });
}

TEST(Expression, GrammarErrors) {
    ExpectCases({
        {"--2", 0, kExprSyntaxError},
        {"+2", 0, kExprSyntaxError},
        {"2+-3", -1, kExprPlain},
        {"2-+3", 0, kExprSyntaxError},
        {"1:2", 0, kExprSyntaxError},
        {"*2", 0, kExprSyntaxError},
        {"2*", 0, kExprSyntaxError},
        {"()", 0, kExprSyntaxError},
        {"(1", 0, kExprSyntaxError},
        {"1)", 0, kExprSyntaxError},
        {"1 2", 12, kExprPlain}, // spaces go before anything is read
        {"(1)2", 0, kExprSyntaxError},
        {"1#", 0, kExprSyntaxError},
        {"x", 0, kExprSyntaxError},
        {"1/0)", 0, kExprSyntaxError}, // a syntax error outranks an arithmetic one
        {"LN(0", 0, kExprSyntaxError},
    });
}

TEST(Expression, Functions) {
    ExpectCases({
        {"10*TAN(45)", 10, kExprFormula},
        {"SIN(30)", 0.5, kExprPlain},
        {"COS(60)", 0.5, kExprPlain},
        {"COTAN(45)", 1, kExprPlain},
        {"ATAN(1)", 45, kExprPlain},
        {"ABS(-3)", 3, kExprPlain},
        {"ABS(2-5)*2", 6, kExprFormula},
        {"EXP(1)", std::exp(1.0), kExprPlain},
        {"LN(EXP(2))", 2, kExprPlain},
        {"SQRT(16)", 4, kExprPlain}, // SQRT is tried before SQR
        {"SQR(3)", 9, kExprPlain},
        {"ROUND(2.5)", 2, kExprPlain}, // halves go to the even neighbour
        {"ROUND(3.5)", 4, kExprPlain},
        {"ROUND(-2.5)", -2, kExprPlain},
        {"ROUND(2.6)", 3, kExprPlain},
        {"TRUNC(-2.7)", -2, kExprPlain},
        {"-SIN(30)", -0.5, kExprPlain},
        {"sin(30)", 0, kExprSyntaxError}, // names are case-sensitive
        {"SQRT16", 0, kExprSyntaxError},
        {"TANH(1)", 0, kExprSyntaxError}, // "TAN" then the unknown name "H"
        {"PI", 0, kExprSyntaxError},
    });
}

TEST(Expression, ArithmeticErrors) {
    ExpectCases({
        {"1/0", 0, kExprFormulaArithError},
        {"LN(0)", 0, kExprPlainArithError},
        {"2*LN(-1)", 0, kExprFormulaArithError},
        {"-2^2", 0, kExprPlainArithError}, // the sign binds tighter: (-2)^2
        {"0^2", 0, kExprPlainArithError},
        {"2^126", std::pow(2.0, 126), kExprPlain},
        {"2^127", 0, kExprPlainArithError}, // ln(2) * 127 is above 88
        {"EXP(88)", std::exp(88.0), kExprPlain},
        {"EXP(89)", 0, kExprPlainArithError},
        {"EXP(-89)", 0, kExprPlainArithError},
        {"SQRT(-1)", 0, kExprPlainArithError},
        {"SQR(2E18)", 0, kExprPlainArithError},
        {"ROUND(2E9)", 0, kExprPlainArithError},
        {"TRUNC(-2E9)", 0, kExprPlainArithError},
        {"COTAN(0)", 0, kExprPlainArithError},
        {"COTAN(180)", 0, kExprPlainArithError},
        {"COTAN(-360)", 0, kExprPlainArithError},
        // Overflow never passes as a result.
        {"1E300*1E300", 0, kExprFormulaArithError},
        {"1E300/1E-300", 0, kExprFormulaArithError},
        {"1E308+1E308", 0, kExprPlainArithError},
        {"-1E308-1E308", 0, kExprPlainArithError},
        {"SQR(1E18)^9", 0, kExprPlainArithError},
    });
}

// The parser stack holds 20 tokens counting the start token; what counts is the depth of
// pending tokens, not the number of parentheses alone.
TEST(Expression, StackLimit) {
    ExpectCases({
        {Nested(17, "1").c_str(), 1, kExprPlain}, // start, 17 "(", E and ")" make 20
        {Nested(18, "1").c_str(), 0, kExprSyntaxError},
        {Nested(15, "SIN(0)").c_str(), 0, kExprPlain}, // a function call holds 4 tokens
        {Nested(16, "SIN(0)").c_str(), 0, kExprSyntaxError},
        {Nested(21, "1").c_str(), 0, kExprSyntaxError},
        {"1^1^1^1^1^1^1^1^1^1", 1, kExprPlain},         // 9 pending "S ^" pairs
        {"1^1^1^1^1^1^1^1^1^1^1", 0, kExprSyntaxError}, // 10
        {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", 22, kExprPlain},
    });
}

TEST(Expression, EvaluatorIsReusableAndIndependent) {
    ExpressionEvaluator a;
    ExpressionEvaluator b;
    EXPECT_EQ(a.Evaluate("1/0").status, kExprFormulaArithError);
    EXPECT_EQ(b.Evaluate("2+").status, kExprSyntaxError);
    const ExprResult r = a.Evaluate("2");
    EXPECT_EQ(r.status, kExprPlain);
    EXPECT_EQ(r.value, 2);
    EXPECT_EQ(b.Evaluate("7").value, 7);
    EXPECT_EQ(EvaluateExpression("1/4").value, 0.25);
}
