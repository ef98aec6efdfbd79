// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "app/CharacterType.h"

#include <QTest>

#include <clocale>
#include <cstdlib>
#include <langinfo.h>

using namespace pelmaroos;

namespace {

const char *const localeVariables[] = {"LC_ALL",      "LC_CTYPE",   "LC_COLLATE", "LC_MESSAGES",
                                       "LC_MONETARY", "LC_NUMERIC", "LC_TIME",    "LANG"};

} // namespace

// Before the toolkit starts, the character type becomes UTF-8 and every other category of the locale stays
// what the player's environment made it.
class CharacterTypeTest final : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheCharacterTypeBecomesUtf8_data()
    {
        QTest::addColumn<QByteArrayList>("given");
        QTest::addColumn<QByteArray>("characterType");
        QTest::addColumn<QByteArray>("numbers");
        QTest::addColumn<QByteArray>("messages");
        QTest::newRow("LANG=C") << QByteArrayList {"LANG=C"} << QByteArray("C.UTF-8") << QByteArray("C")
                                << QByteArray("C");
        QTest::newRow("LC_ALL=C over a UTF-8 LANG") << QByteArrayList {"LC_ALL=C", "LANG=C.UTF-8"}
                                                    << QByteArray("C.UTF-8") << QByteArray("C") << QByteArray("C");
        QTest::newRow("LC_ALL=C over LC_NUMERIC") << QByteArrayList {"LC_ALL=C", "LC_NUMERIC=C.UTF-8"}
                                                  << QByteArray("C.UTF-8") << QByteArray("C") << QByteArray("C");
        QTest::newRow("nothing set") << QByteArrayList {} << QByteArray("C.UTF-8") << QByteArray("C")
                                     << QByteArray("C");
        QTest::newRow("UTF-8 already, left alone") << QByteArrayList {"LANG=C.UTF-8", "LC_MESSAGES=C"}
                                                   << QByteArray("C.UTF-8") << QByteArray("C.UTF-8") << QByteArray("C");
    }

    void onlyTheCharacterTypeBecomesUtf8()
    {
        QFETCH(QByteArrayList, given);
        QFETCH(QByteArray, characterType);
        QFETCH(QByteArray, numbers);
        QFETCH(QByteArray, messages);
        for (const char *variable : localeVariables)
            unsetenv(variable);
        for (const QByteArray &setting : given) {
            const qsizetype equals = setting.indexOf('=');
            setenv(setting.left(equals).constData(), setting.mid(equals + 1).constData(), 1);
        }

        app::useUtf8CharacterType();

        // What the toolkit then finds, reading the environment afresh.
        std::setlocale(LC_ALL, "");
        QCOMPARE(QByteArray(nl_langinfo(CODESET)), QByteArray("UTF-8"));
        QCOMPARE(QByteArray(std::setlocale(LC_CTYPE, nullptr)), characterType);
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), numbers);
        QCOMPARE(QByteArray(std::setlocale(LC_MESSAGES, nullptr)), messages);
    }
};

QTEST_APPLESS_MAIN(CharacterTypeTest)
#include "CharacterTypeTest.moc"
