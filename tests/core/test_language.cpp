// Which language the program speaks: the environment's list and locale, the operator's choice kept
// in the data folder, and what a damaged choice file falls back to.
#include <QTemporaryDir>
#include <QTest>

#include "core/base/language.h"
#include "programcopy.h"

namespace language = corvalin::language;

class TestLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theSystemsLanguage_data() {
        QTest::addColumn<QString>("languageList");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("LANGUAGE alone, over a C locale") << "de" << "" << "C.UTF-8" << "de";
        QTest::newRow("the first shipped of the list") << "pt_BR:fr_CA:de" << "" << "en_US.UTF-8" << "fr";
        QTest::newRow("none of the list: the locale") << "pt:it" << "" << "ko_KR.UTF-8" << "ko";
        QTest::newRow("LC_ALL over LANG") << "" << "es_ES@euro" << "de_DE.UTF-8" << "es";
        QTest::newRow("C and POSIX: English") << "" << "POSIX" << "C" << "en";
        QTest::newRow("nothing shipped: English") << "" << "" << "ja_JP.UTF-8" << "en";
        QTest::newRow("nothing set: English") << "" << "" << "" << "en";
    }
    void theSystemsLanguage() {
        QFETCH(QString, languageList);
        QFETCH(QString, lcAll);
        QFETCH(QString, lang);
        QProcessEnvironment environment;
        for (const auto& [name, value] : {std::pair{"LANGUAGE", languageList}, {"LC_ALL", lcAll}, {"LANG", lang}}) {
            if (!value.isEmpty()) {
                environment.insert(QString::fromLatin1(name), value);
            }
        }
        QTEST(language::fromSystem(environment), "spoken");
    }

    // The choice wins over the system's language until it is removed; a file that says anything
    // else (another program's words, a language that is not shipped, a pipe) is no choice.
    void theOperatorsChoice() {
        QTemporaryDir data;
        QProcessEnvironment german;
        german.insert("LANG", "de_DE.UTF-8");
        QCOMPARE(language::inUse(data.path(), german), "de");
        QVERIFY(language::choose(data.path(), "ko"));
        QCOMPARE(language::inUse(data.path(), german), "ko");
        QVERIFY(language::choose(data.path(), language::kOriginal));
        QCOMPARE(language::inUse(data.path(), german), "original");
        QString why;
        QVERIFY(!language::choose(data.path(), "xx", &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(language::chosen(data.path()), "original");
        QVERIFY(language::choose(data.path(), QString()));
        QCOMPARE(language::inUse(data.path(), german), "de");
        QVERIFY(language::choose(data.path(), QString()));  // nothing to remove is no fault

        for (const QByteArray& junk : {QByteArray("ja\n"), QByteArray(100000, 'x'), QByteArray("\xff\xfe")}) {
            QVERIFY(writeWholeFile(data.path() + "/language", junk));
            QCOMPARE(language::inUse(data.path(), german), "de");
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
