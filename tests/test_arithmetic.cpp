// Checked arithmetic, rounding and the text <-> integer conversions: the rules every number of the
// program goes through.
#include "platform/arith.h"
#include "platform/convert.h"
#include "platform/failure.h"

#include <QTest>
#include <optional>

using platform::Failure;

namespace {
template <class F> std::optional<long long> attempt(F&& f) {
    try {
        return static_cast<long long>(f());
    } catch (const Failure&) {
        return std::nullopt;
    }
}
constexpr long long failed = std::numeric_limits<long long>::min();
long long orFailed(std::optional<long long> v) {
    return v ? *v : failed;
}
} // namespace

class ArithmeticTest : public QObject {
    Q_OBJECT
private slots:
    void textToInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bits");
        QTest::addColumn<qlonglong>("expected"); // `failed` when the conversion must fail
        const qlonglong F = failed;
        QTest::newRow("plain") << "25" << 16 << 25LL;
        QTest::newRow("negative") << "-10" << 16 << -10LL;
        QTest::newRow("plus sign") << "+7" << 16 << 7LL;
        QTest::newRow("blanks around") << "  42 \t" << 16 << 42LL;
        QTest::newRow("half to even down") << "12.5" << 16 << 12LL;
        QTest::newRow("half to even up") << "13.5" << 16 << 14LL;
        QTest::newRow("negative half") << "-2.5" << 16 << -2LL;
        QTest::newRow("above half") << "2.51" << 16 << 3LL;
        QTest::newRow("just below half, many digits") << "3.4999999999999999999" << 16 << 3LL;
        QTest::newRow("fraction only") << ".5" << 16 << 0LL;
        QTest::newRow("trailing point") << "7." << 16 << 7LL;
        QTest::newRow("16-bit top") << "32767" << 16 << 32767LL;
        QTest::newRow("16-bit over") << "32768" << 16 << F;
        QTest::newRow("rounds over 16 bits") << "32767.5" << 16 << F;
        QTest::newRow("rounds onto 16-bit bottom") << "-32768.5" << 16 << -32768LL;
        QTest::newRow("16-bit under") << "-32769" << 16 << F;
        QTest::newRow("32-bit top") << "2147483647" << 32 << 2147483647LL;
        QTest::newRow("32-bit over") << "2147483648" << 32 << F;
        QTest::newRow("32-bit bottom") << "-2147483648" << 32 << -2147483648LL;
        QTest::newRow("huge") << "99999999999999999999999999" << 32 << F;
        QTest::newRow("empty") << "" << 16 << F;
        QTest::newRow("blanks only") << "   " << 16 << F;
        QTest::newRow("letters") << "abc" << 16 << F;
        QTest::newRow("number then letters") << "12abc" << 16 << F;
        QTest::newRow("inner blank") << "1 2" << 16 << F;
        QTest::newRow("separator") << "1,000" << 32 << F;
        QTest::newRow("exponent") << "1e3" << 32 << F;
        QTest::newRow("two signs") << "--1" << 16 << F;
        QTest::newRow("sign alone") << "-" << 16 << F;
        QTest::newRow("point alone") << "." << 16 << F;
        QTest::newRow("full-width digits") << "１２" << 16 << F;
    }
    void textToInteger() {
        QFETCH(QString, text);
        QFETCH(int, bits);
        QFETCH(qlonglong, expected);
        const auto value = bits == 16 ? attempt([&] { return platform::textToInt16(text); })
                                      : attempt([&] { return platform::textToInt32(text); });
        QCOMPARE(orFailed(value), expected);
    }

    void numberText() {
        QCOMPARE(platform::numberText(0), QStringLiteral("0"));
        QCOMPARE(platform::numberText(-120), QStringLiteral("-120"));
        QCOMPARE(platform::numberText(2147483647), QStringLiteral("2147483647"));
    }

    void checkedOperations_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<qlonglong>("a");
        QTest::addColumn<qlonglong>("b");
        QTest::addColumn<qlonglong>("expected");
        const qlonglong F = failed;
        QTest::newRow("add16") << "add16" << 32000LL << 767LL << 32767LL;
        QTest::newRow("add16 over") << "add16" << 32000LL << 768LL << F;
        QTest::newRow("sub16 under") << "sub16" << -32768LL << 1LL << F;
        QTest::newRow("mul16 rows") << "mul16" << 10LL << 465LL << 4650LL;
        QTest::newRow("mul16 over") << "mul16" << 71LL << 465LL << F;
        QTest::newRow("add32") << "add32" << 2147483547LL << 100LL << 2147483647LL;
        QTest::newRow("add32 over") << "add32" << 2147483547LL << 101LL << F;
        QTest::newRow("sub32 under") << "sub32" << -2147483647LL << 2LL << F;
        QTest::newRow("mul32 over") << "mul32" << 65536LL << 32768LL << F;
        QTest::newRow("to16 over") << "to16" << 40000LL << 0LL << F;
        QTest::newRow("to32 fits") << "to32" << -2147483648LL << 0LL << -2147483648LL;
    }
    void checkedOperations() {
        QFETCH(QString, operation);
        QFETCH(qlonglong, a);
        QFETCH(qlonglong, b);
        QFETCH(qlonglong, expected);
        const auto result = attempt([&]() -> long long {
            if (operation == u"add16")
                return platform::add16(a, b);
            if (operation == u"sub16")
                return platform::sub16(a, b);
            if (operation == u"mul16")
                return platform::mul16(a, b);
            if (operation == u"add32")
                return platform::add32(a, b);
            if (operation == u"sub32")
                return platform::sub32(a, b);
            if (operation == u"mul32")
                return platform::mul32(a, b);
            if (operation == u"to16")
                return platform::to16(a);
            return platform::to32(a);
        });
        QCOMPARE(orFailed(result), expected);
    }

    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("bits");
        QTest::addColumn<qlonglong>("expected");
        const qlonglong F = failed;
        QTest::newRow("2.5 to 2") << 2.5 << 16 << 2LL;
        QTest::newRow("3.5 to 4") << 3.5 << 16 << 4LL;
        QTest::newRow("-2.5 to -2") << -2.5 << 16 << -2LL;
        QTest::newRow("step 11.32") << 11.32 << 16 << 11LL;
        QTest::newRow("32767.5 fails") << 32767.5 << 16 << F;
        QTest::newRow("-32768.5 fits") << -32768.5 << 16 << -32768LL;
        QTest::newRow("803.4") << 803.4 << 32 << 803LL;
        QTest::newRow("32-bit over") << 2147483647.5 << 32 << F;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32 << F;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 32 << F;
    }
    void rounding() {
        QFETCH(double, value);
        QFETCH(int, bits);
        QFETCH(qlonglong, expected);
        const auto result = bits == 16 ? attempt([&] { return platform::round16(value); })
                                       : attempt([&] { return platform::round32(value); });
        QCOMPARE(orFailed(result), expected);
    }

    void divisionByZeroFails() {
        QVERIFY(!attempt([] { return static_cast<long long>(platform::divide(0, 0)); }));
        QVERIFY(!attempt([] { return static_cast<long long>(platform::divide(250, 0)); }));
        QCOMPARE(platform::divide(250, 500), 0.5);
    }

    void skippedStatementKeepsItsTarget() {
        int target = 7;
        const bool ran = platform::skipOnError([&] { target = platform::add16(32767, 1); });
        QVERIFY(!ran);
        QCOMPARE(target, 7);
        QVERIFY(platform::skipOnError([&] { target = platform::add16(1, 1); }));
        QCOMPARE(target, 2);
    }
};

QTEST_APPLESS_MAIN(ArithmeticTest)
#include "test_arithmetic.moc"
