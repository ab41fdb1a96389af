#include "restest.h"
#include "tlog.h"
#include "tstring.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstring>

namespace {

const char* const kNames[TString::LANG_COUNT] = {
    "Chinese", "Czech", "Deutsch", "English", "Espanol", "Finland", "French", "Hebrew",
    "Hungarian", "Italian", "Japanese", "Korean", "Norway", "Persian", "Polish",
    "Portuguese", "Russian", "Thai", "Taiwanese", "Turkey", "Slovakia", "Vietnam"};
const char* const kFiles[TString::LANG_COUNT] = {
    "chn", "cz", "deu", "eng", "esp", "fin", "fra", "heb", "hun", "ita", "jpn",
    "kor", "nor", "per", "pol", "por", "rus", "tai", "tpe", "tuk", "svk", "vn"};

// The pairs of ids that share one literal.
const int kPairs[][2] = {{47, 132}, {49, 130}, {108, 266}, {140, 183}, {379, 398}};

} // namespace

class TStringTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Each test builds its own text object; none leaves a translator behind.
        QCOMPARE(QCoreApplication::translate("TString", "Setup"), QString("Setup"));
    }

    void englishLiterals()
    {
        const QStringList lit = literals();
        const QPair<int, QString> known[] = {{0, "Menu"}, {535, "Password "}, {576, "Push Server"}};
        for (const auto& k : known)
            QCOMPARE(lit.value(k.first), k.second);
        int withBlank = 0;
        QSet<QString> distinct;
        for (int i = 0; i < TString::TEXT_COUNT; ++i) {
            if (i == 180)
                continue;
            const QString& t = lit[i];
            QVERIFY2(!t.isEmpty(), qPrintable(QString("id %1").arg(i)));
            for (const QChar c : t)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(t));
            withBlank += t.endsWith(QLatin1Char(' '));
            distinct.insert(t);
        }
        QCOMPARE(withBlank, 4);
        QCOMPARE(distinct.size(), 571);
        for (const auto& pair : kPairs)
            QCOMPARE(lit[pair[0]], lit[pair[1]]);
        // Ids without a text, with a translator installed.
        TString s;
        s.setLanguage("Deutsch", "");
        for (int id : {-1, 577, 180, int(0x80000000), 0x7fffffff})
            QVERIFY2(s.text(id).isNull(), qPrintable(QString::number(id)));
        s.setLanguage("", "Deutsch");
    }

    void textFollowsInstalledTranslators()
    {
        TString s;
        QTranslator test;
        QVERIFY(test.load(QStringLiteral(DVR_TEST_QM)));
        QVERIFY(QCoreApplication::installTranslator(&test));
        QCOMPARE(s.text(0), QString("Test-Menue"));
        QCOMPARE(s.text(266), QString("Test-Format"));
        QCOMPARE(s.text(535), QString("Test-Kennwort "));
        QCOMPARE(s.text(160), QString("Test-Passwort"));
        // Texts of another context are not taken.
        QCOMPARE(s.text(24), QString("OK"));

        // The most recently installed translator answers first, and what it
        // lacks comes from the one below.
        s.setLanguage("Deutsch", "");
        const QString germanSearch = s.text(10);
        QVERIFY(s.text(0) != QLatin1String("Test-Menue"));
        QCOMPARE(s.text(535), QString("Kennwort "));
        QCOMPARE(s.text(160), QString("Kennwort"));
        QCoreApplication::removeTranslator(&test);
        QCoreApplication::installTranslator(&test);
        QCOMPARE(s.text(0), QString("Test-Menue"));
        QCOMPARE(s.text(10), germanSearch);

        // Nothing is cached: removing a translator changes the next fetch.
        s.setLanguage("", "Deutsch");
        QCOMPARE(s.text(10), QString("Search"));
        QCOMPARE(s.text(0), QString("Test-Menue"));
        QCoreApplication::removeTranslator(&test);
        QCOMPARE(s.text(0), QString("Menu"));
    }

    void languageListPerOem_data()
    {
        QTest::addColumn<QByteArray>("oem");
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("reduced");
        QTest::newRow("no defaults object") << QByteArray() << -1 << false;
        QTest::newRow("qz") << QByteArray("qz") << 0 << false;
        QTest::newRow("zeb") << QByteArray("zeb") << 3 << true;
        QTest::newRow("lumo") << QByteArray("lumo") << 5 << true;
        QTest::newRow("govel") << QByteArray("govel") << 12 << false;
    }

    void languageListPerOem()
    {
        QFETCH(QByteArray, oem);
        QFETCH(int, variant);
        QFETCH(bool, reduced);
        OemScope scope(oem);
        QCOMPARE(scope.oem(), variant);
        TString s;
        if (!reduced) {
            QCOMPARE(s.languageList().size(), int(TString::LANG_COUNT));
            for (int i = 0; i < TString::LANG_COUNT; ++i) {
                QCOMPARE(s.indexOfLanguage(kNames[i]), i);
                QCOMPARE(s.availIndexOf(kNames[i]), i);
                QCOMPARE(s.languageAt(i), QString(kNames[i]));
            }
            QCOMPARE(s.indexOfLanguage("korean"), -1);
            QCOMPARE(s.indexOfLanguage(""), -1);
            QCOMPARE(s.availIndexOf(""), -1);
            QVERIFY(s.languageAt(22).isEmpty() && s.languageAt(-1).isEmpty());
            return;
        }
        QCOMPARE(s.languageList(), QStringList({"English", "Korean"}));
        QCOMPARE(s.availIndexOf("Korean"), 1);
        QCOMPARE(s.indexOfLanguage("Korean"), 11);
        QCOMPARE(s.indexOfLanguage("French"), -1);
        QCOMPARE(s.availIndexOf("French"), -1);
        // An empty name matches the first empty slot, yet it is not offered.
        QCOMPARE(s.indexOfLanguage(""), 0);
        QCOMPARE(s.availIndexOf(""), -1);
        QVERIFY(s.languageAt(2).isEmpty());
        // A language this variant does not offer installs nothing.
        s.setLanguage("Deutsch", "");
        QCOMPARE(s.text(10), QString("Search"));
        QCOMPARE(QApplication::font().family(), QString("Tahoma"));
    }

    void setLanguageSwapsTranslators()
    {
        TString s;
        s.setLanguage("Deutsch", "");
        const QString german = s.text(10);
        s.setLanguage("French", "Deutsch");
        const QString french = s.text(10);
        QVERIFY(german != french);
        QVERIFY(french != QLatin1String("Search"));

        // A name no slot holds removes the old translator and installs none.
        s.setLanguage("Klingon", "French");
        QCOMPARE(s.text(10), QString("Search"));
        QCOMPARE(QApplication::font().family(), QString("Tahoma"));

        // An empty old name removes nothing: German stays under French.
        s.setLanguage("Deutsch", "");
        s.setLanguage("French", "");
        QCOMPARE(s.text(10), french);
        s.setLanguage("", "French");
        QCOMPARE(s.text(10), german);
        s.setLanguage("Deutsch", "");   // already installed: stays on top
        QCOMPARE(s.text(10), german);

        s.setLanguage("Taiwanese", "Deutsch");
        QCOMPARE(QApplication::font().family(), QString("SimHei"));
        QVERIFY(s.text(10) != german);
        s.setLanguage("", "Taiwanese");
        QCOMPARE(s.text(10), QString("Search"));
    }

    void fontPerLanguage()
    {
        // Family, the free face that stands in for it, a character of the script.
        struct Face { QString family, face; uint sample; };
        const Face latin{"Tahoma", "DejaVu Sans", 0x00E9u}, han{"SimHei", "WenQuanYi Micro Hei", 0x8BBEu};
        const QMap<QString, Face> special = {
            {"Japanese", {"MS Gothic", "WenQuanYi Micro Hei", 0x30AAu}}, {"Chinese", han}, {"Taiwanese", han},
            {"Korean", {"Dotum", "NanumGothic", 0xD55Cu}}, {"Russian", {"Tahoma", "DejaVu Sans", 0x0416u}},
            {"Hebrew", {"Tahoma", "DejaVu Sans", 0x05D0u}}, {"Persian", {"Tahoma", "DejaVu Sans", 0x0628u}},
            {"Vietnam", {"Tahoma", "DejaVu Sans", 0x1EBFu}}, {"", {"Tahoma", "DejaVu Sans", 0x41u}},
            {"korean", {"Tahoma", "DejaVu Sans", 0x41u}}};
        QStringList names = {"", "korean"};
        for (const char* n : kNames)
            names << n;
        for (const QString& name : names) {
            const Face want = special.value(name, latin);
            TString s;
            s.setLanguage(name, "");
            const QFont f = QApplication::font();
            QCOMPARE(f.family(), want.family);
            QCOMPARE(f.pixelSize(), 12);
            QCOMPARE(f.weight(), 75);
            QCOMPARE(f.letterSpacingType(), QFont::AbsoluteSpacing);
            QCOMPARE(f.letterSpacing(), 0.0);
            QCOMPARE(f.wordSpacing(), 1.0);
            QVERIFY(f.fixedPitch());
            QCOMPARE(QFontInfo(f).family(), want.face);
            QVERIFY2(QFontMetrics(f).inFontUcs4(want.sample), qPrintable(name));
            s.setLanguage("", name);
        }
    }

    void thaiHasAFace()
    {
        if (!QFontDatabase().families().contains("Garuda"))
            QSKIP("no Thai face installed (Debian package fonts-tlwg-garuda)");
        TString s;
        s.setLanguage("Thai", "");
        QVERIFY(QFontMetrics(QApplication::font()).inFontUcs4(0x0E01));
        s.setLanguage("", "Thai");
    }

    void fontFollowsScale()
    {
        static int factor = 100;   // percent
        TString s;
        s.setScaler([](int n) { return static_cast<int>(n * (factor / 100.0)); });
        for (const auto& r : {QPair<int, int>(100, 12), {75, 9}, {150, 18}, {70, 8}, {200, 24}}) {
            // Called again with the same name after the output changed.
            factor = r.first;
            s.setLanguage("English", "");
            QCOMPARE(QApplication::font().pixelSize(), r.second);
        }
        s.setScaler(nullptr);
        s.setLanguage("English", "");
        QCOMPARE(QApplication::font().pixelSize(), 12);
        s.setLanguage("", "English");
    }

    void everyLanguageFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("known");   // "id=text"
        QTest::addColumn<int>("script");          // QChar::Script of translated texts, 0: any
        const QMap<QString, QStringList> known = {
            {"Chinese", {"2=设置", "10=搜索", "12=备份", "24=确定"}},
            {"Deutsch", {"2=Einstellungen", "10=Suche", "12=Sicherung", "25=ABBRECHEN"}},
            {"English", {"2=Setup", "10=Search", "535=Password ", "24=OK"}},
            {"Espanol", {"2=Configuración", "10=Búsqueda", "12=Respaldo", "24=Aceptar"}},
            {"French", {"2=Configuration", "10=Recherche", "12=Sauvegarde", "25=ANNULER"}}};
        const QMap<QString, int> script = {
            {"Chinese", QChar::Script_Han},       {"Taiwanese", QChar::Script_Han},
            {"Hebrew", QChar::Script_Hebrew},     {"Japanese", QChar::Script_Katakana},
            {"Korean", QChar::Script_Hangul},     {"Persian", QChar::Script_Arabic},
            {"Russian", QChar::Script_Cyrillic},  {"Thai", QChar::Script_Thai}};
        for (const char* n : kNames)
            QTest::newRow(n) << QString(n) << known.value(n) << script.value(n);
    }

    void everyLanguageFile()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, known);
        QFETCH(int, script);
        const QString file = QString(":/lang_%1.qm").arg(kFiles[TString().indexOfLanguage(name)]);
        const QStringList lit = literals();
        TString s;
        if (!QFile::exists(file)) {
            // A missing file leaves the language offered, in English.
            s.setLanguage(name, "");
            QCOMPARE(s.text(10), QString("Search"));
            s.setLanguage("", name);
            QSKIP(qPrintable(QString("translation file %1 (%2) is not built in yet").arg(file, name)));
        }
        s.setLanguage(name, "");
        for (const QString& k : known)
            QCOMPARE(s.text(k.section('=', 0, 0).toInt()), k.section('=', 1));
        int translated = 0;
        for (int i = 0; i < TString::TEXT_COUNT; ++i) {
            const QString t = s.text(i);
            if (i == 180) {
                QVERIFY(t.isEmpty());
                continue;
            }
            QVERIFY2(!t.trimmed().isEmpty(), qPrintable(QString("id %1").arg(i)));
            QVERIFY2(!t.contains(QChar::ReplacementCharacter), qPrintable(QString("id %1").arg(i)));
            QCOMPARE(t.endsWith(QLatin1Char(' ')), lit[i].endsWith(QLatin1Char(' ')));
            translated += (t != lit[i]);
        }
        for (const auto& pair : kPairs)
            QCOMPARE(s.text(pair[0]), s.text(pair[1]));
        // "Search" differs from English in every other language.
        QCOMPARE(translated == 0, name == QLatin1String("English"));
        QCOMPARE(s.text(10) == lit[10], name == QLatin1String("English"));
        // Japanese texts may be written in Katakana, Han or Hiragana.
        QSet<int> scripts = {script};
        if (script == QChar::Script_Katakana)
            scripts += {QChar::Script_Han, QChar::Script_Hiragana};
        for (int id : {2, 10}) {
            const QString t = s.text(id);
            const bool ok = std::any_of(t.begin(), t.end(), [&](QChar c) { return scripts.contains(c.script()); });
            QVERIFY2(!script || ok, qPrintable(QString("id %1: %2").arg(id).arg(t)));
        }
        s.setLanguage("", name);
    }

    void sourcesCoverCatalogue_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(QStringLiteral(DVR_LANG_SOURCE_DIR));
        const QStringList files = dir.entryList({"lang_*.ts"}, QDir::Files, QDir::Name);
        QVERIFY(files.contains("lang_eng.ts"));
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << dir.filePath(f);
    }

    void sourcesCoverCatalogue()
    {
        QFETCH(QString, path);
        // Distinct literals in id order: each source text once.
        QStringList expected;
        for (const QString& t : literals()) {
            if (!t.isEmpty() && !expected.contains(t))
                expected << t;
        }
        const QString code = QFileInfo(path).completeBaseName().mid(5);
        // Every source file is built into the program.
        QVERIFY(QFile::exists(QString(":/lang_%1.qm").arg(code)));

        QFile in(path);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&in);
        QStringList sources, translations, contexts;
        int unfinished = 0;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
            if (!xml.isStartElement())
                continue;
            const QStringRef tag = xml.name();
            if (tag == QLatin1String("translation"))
                unfinished += xml.attributes().value("type") == QLatin1String("unfinished");
            QVERIFY2(tag != QLatin1String("comment") && tag != QLatin1String("extracomment"), qPrintable(path));
            if (tag == QLatin1String("name"))
                contexts << xml.readElementText();
            else if (tag == QLatin1String("source"))
                sources << xml.readElementText();
            else if (tag == QLatin1String("translation"))
                translations << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(contexts, QStringList({"TString"}));
        QCOMPARE(sources, expected);
        QCOMPARE(translations.size(), sources.size());
        if (code == QLatin1String("eng")) {
            QCOMPARE(unfinished, sources.size());
            return;
        }
        for (int i = 0; i < sources.size(); ++i) {
            const QString& t = translations[i];
            QVERIFY2(t.isEmpty() || t.endsWith(' ') == sources[i].endsWith(' '), qPrintable(sources[i]));
            QVERIFY2(t.trimmed() == t.trimmed().simplified(), qPrintable(t));
        }
    }

    void renderCjk()
    {
        TString s;
        s.setLanguage("Chinese", "");
        const QString chinese = s.text(2) + " " + s.text(10) + " " + s.text(12);
        s.setLanguage("", "Chinese");
        // Korean is drawn with the Korean application font even without its file.
        const struct { const char* lang; QString text; uint ch; } samples[] = {
            {"Chinese", chinese, 0x8BBE},
            {"Korean", QString::fromUtf8("설정 검색 백업 한글"), 0xD55C},
            {"Japanese", QString::fromUtf8("設定 カメラ"), 0x30AB}};
        QImage sheet(360, 3 * 40, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        for (int i = 0; i < 3; ++i) {
            s.setLanguage(samples[i].lang, "");
            QFont f = QApplication::font();
            f.setPixelSize(24);
            p.setFont(f);
            p.drawText(QRect(4, i * 40, 352, 40), Qt::AlignLeft | Qt::AlignVCenter, samples[i].text);
            QVERIFY(QFontMetrics(f).inFontUcs4(samples[i].ch));
            s.setLanguage("", samples[i].lang);
        }
        p.end();
        QVERIFY(sheet.save(QDir(QCoreApplication::applicationDirPath()).filePath("tstring-cjk.png")));
    }

    void logEventTexts()
    {
        // Log event codes (both ends of each group) and the text id naming them;
        // 180: a code without an event text.
        const int codes[][2] = {
            {0x1000, 215}, {0x1011, 108}, {0x1012, 300}, {0x1021, 220}, {0x1100, 440}, {0x1108, 442},
            {0x110a, 446}, {0x1151, 462}, {0x2000, 221}, {0x2002, 223}, {0x3002, 226}, {0x4001, 228},
            {0x5000, 229}, {0x6001, 232}, {0x7000, 233}, {0x7002, 234}, {0x7010, 238}, {0x8001, 240},
            {0x7001, 180}, {0x1013, 180}};
        TTestRoot root;
        TLog log("/tmp/SYSTEM.log");
        LogRecord rec;
        std::memset(&rec, 0, sizeof rec);
        TString s;
        // The log names an event by the text of its id, in the language in force.
        for (const char* lang : {"", "Deutsch", "Korean"}) {
            s.setLanguage(lang, "");
            for (const auto& c : codes) {
                rec.code = quint16(c[0]);
                QVERIFY2(log.toText(&rec) == s.text(c[1]), qPrintable(QString::number(c[0], 16)));
                QVERIFY(c[1] == 180 || !log.toText(&rec).isEmpty());
            }
            s.setLanguage("", lang);
        }
    }

private:
    // Literals in id order, read with no translator installed.
    QStringList literals() const;
};

QStringList TStringTest::literals() const
{
    TString s;
    QStringList list;
    for (int i = 0; i < TString::TEXT_COUNT; ++i)
        list << s.text(i);
    return list;
}

QTEST_MAIN(TStringTest)
#include "tstringtest.moc"
