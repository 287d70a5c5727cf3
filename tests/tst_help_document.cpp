// The help document sequences.mht: a web page archive (MIME multipart/related)
// whose page must agree with the gap formulas and the window's controls.
#include "gaps.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace
{

struct Headers {
    QHash<QByteArray, QByteArray> fields; // lower-case name -> unfolded value
    bool ok = false;
};

// Parses a block of header lines separated by CRLF, unfolding continuation lines.
Headers parse_headers(const QByteArray &block)
{
    Headers h;
    QByteArray name;
    for (const QByteArray &line : block.split('\n')) {
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        if (l.isEmpty())
            continue;
        if (l.at(0) == ' ' || l.at(0) == '\t') {
            if (name.isEmpty())
                return h;
            h.fields[name] += ' ' + l.trimmed();
            continue;
        }
        const int colon = l.indexOf(':');
        if (colon <= 0)
            return h;
        name = l.left(colon).trimmed().toLower();
        h.fields[name] = l.mid(colon + 1).trimmed();
    }
    h.ok = true;
    return h;
}

// The media type of a Content-Type value, lower case, and its parameters.
QByteArray media_type(const QByteArray &value, QHash<QByteArray, QByteArray> *params)
{
    const QList<QByteArray> items = value.split(';');
    for (int i = 1; i < items.size(); ++i) {
        const int eq = items[i].indexOf('=');
        if (eq < 0)
            continue;
        QByteArray v = items[i].mid(eq + 1).trimmed();
        if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
            v = v.mid(1, v.size() - 2);
        params->insert(items[i].left(eq).trimmed().toLower(), v);
    }
    return items.value(0).trimmed().toLower();
}

int hex_value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool decode_quoted_printable(const QByteArray &in, QByteArray *out)
{
    out->clear();
    for (int i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c != '=') {
            out->append(c);
            continue;
        }
        if (in.mid(i + 1, 2) == "\r\n") { // soft line break
            i += 2;
            continue;
        }
        if (i + 2 >= in.size())
            return false;
        const int hi = hex_value(in.at(i + 1));
        const int lo = hex_value(in.at(i + 2));
        if (hi < 0 || lo < 0)
            return false;
        out->append(char(hi * 16 + lo));
        i += 2;
    }
    return true;
}

QVector<qint32> parse_list(const QString &text, bool *ok)
{
    QVector<qint32> list;
    *ok = true;
    const QString t = text.trimmed();
    if (t == QLatin1String("none"))
        return list;
    for (const QString &item : t.split(QLatin1Char(','))) {
        bool good = false;
        list.append(item.trimmed().toInt(&good));
        *ok = *ok && good;
    }
    return list;
}

QString formatted(const QVector<qint32> &gaps)
{
    QStringList parts;
    for (qint32 g : gaps)
        parts.append(QString::number(g));
    return parts.join(QStringLiteral(", "));
}

} // namespace

class TestHelpDocument : public QObject
{
    Q_OBJECT

    QByteArray file;
    Headers message;
    QByteArray boundary;
    Headers root;
    QByteArray root_body;
    QString page;      // the decoded page
    QString page_text; // the page without tags, entities resolved, blanks collapsed
    struct MarkedList {
        int formula;
        int n;
        QString text;
    };
    QVector<MarkedList> lists;

private slots:
    void initTestCase();
    void crlf_line_endings();
    void message_headers();
    void root_part();
    void page_is_self_contained();
    void marked_lists_agree();
    void gap_list_present_data();
    void gap_list_present();
    void names_formula_data();
    void names_formula();
    void names_key_data();
    void names_key();
};

void TestHelpDocument::initTestCase()
{
    QFile f(QStringLiteral(VELLORA_HELP_DOCUMENT));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.errorString()));
    file = f.readAll();

    const int end = file.indexOf("\r\n\r\n");
    QVERIFY2(end > 0, "no blank line after the message headers");
    message = parse_headers(file.left(end));
    QVERIFY2(message.ok, "malformed message headers");

    QHash<QByteArray, QByteArray> params;
    QCOMPARE(media_type(message.fields.value("content-type"), &params),
             QByteArray("multipart/related"));
    boundary = params.value("boundary");
    QVERIFY2(!boundary.isEmpty(), "no boundary");
    QCOMPARE(params.value("type").toLower(), QByteArray("text/html"));

    // The parts lie between lines "--boundary"; the last one ends with "--boundary--".
    const QByteArray body = "\r\n" + file.mid(end + 4);
    const QByteArray delimiter = "\r\n--" + boundary;
    const int first = body.indexOf(delimiter);
    QVERIFY2(first >= 0, "no part");
    int from = first + delimiter.size();
    QVERIFY2(!body.mid(from).startsWith("--"), "no part before the closing delimiter");
    from = body.indexOf("\r\n", from) + 2;
    const int next = body.indexOf(delimiter, from);
    QVERIFY2(next > from, "the root part is not closed by a delimiter");
    QVERIFY2(body.indexOf(delimiter + "--") >= next, "no closing delimiter");

    const QByteArray part = body.mid(from, next - from);
    const int part_end = part.indexOf("\r\n\r\n");
    QVERIFY2(part_end > 0, "no blank line after the root part's headers");
    root = parse_headers(part.left(part_end));
    QVERIFY2(root.ok, "malformed root part headers");

    const QByteArray encoding = root.fields.value("content-transfer-encoding", "7bit").toLower();
    const QByteArray raw = part.mid(part_end + 4);
    if (encoding == "quoted-printable") {
        QVERIFY2(decode_quoted_printable(raw, &root_body), "bad quoted-printable");
    } else {
        QVERIFY2(encoding == "7bit" || encoding == "8bit" || encoding == "binary",
                 encoding.constData());
        root_body = raw;
    }

    QStringDecoder utf8(QStringDecoder::Utf8);
    page = utf8(root_body);
    QVERIFY2(!utf8.hasError(), "the page is not valid UTF-8");

    static const QRegularExpression marked(
        QStringLiteral("<(\\w+)([^>]*\\bclass=\"gaps\"[^>]*)>([^<]*)</\\1>"));
    static const QRegularExpression formula_attr(QStringLiteral("\\bdata-formula=\"(\\d+)\""));
    static const QRegularExpression n_attr(QStringLiteral("\\bdata-n=\"(\\d+)\""));
    for (auto it = marked.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QRegularExpressionMatch f_m = formula_attr.match(m.captured(2));
        const QRegularExpressionMatch n_m = n_attr.match(m.captured(2));
        QVERIFY2(f_m.hasMatch() && n_m.hasMatch(), qPrintable(m.captured(0)));
        lists.append({f_m.captured(1).toInt(), n_m.captured(1).toInt(), m.captured(3)});
    }

    QString text = page;
    text.remove(QRegularExpression(QStringLiteral("<style.*?</style>"),
                                   QRegularExpression::DotMatchesEverythingOption));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    page_text = text.simplified();
}

void TestHelpDocument::crlf_line_endings()
{
    for (int i = 0; i < file.size(); ++i) {
        if (file.at(i) == '\n')
            QVERIFY2(i > 0 && file.at(i - 1) == '\r',
                     qPrintable(QStringLiteral("bare line feed at byte %1").arg(i)));
    }
}

void TestHelpDocument::message_headers()
{
    for (const char *name : {"from", "subject", "date"})
        QVERIFY2(!message.fields.value(name).isEmpty(), name);
    QCOMPARE(message.fields.value("mime-version"), QByteArray("1.0"));
}

void TestHelpDocument::root_part()
{
    QHash<QByteArray, QByteArray> params;
    QCOMPARE(media_type(root.fields.value("content-type"), &params), QByteArray("text/html"));
    QCOMPARE(params.value("charset").toLower(), QByteArray("utf-8"));
    QVERIFY2(!root.fields.value("content-location").isEmpty(), "no Content-Location");
    QVERIFY(page.contains(QLatin1String("<html")));
    QVERIFY(page.contains(QLatin1String("</html>")));
}

void TestHelpDocument::page_is_self_contained()
{
    const QString lower = page.toLower();
    QVERIFY2(!lower.contains(QLatin1String("<script")), "the page has a script");
    QVERIFY2(!lower.contains(QLatin1String("<link")), "the page links another resource");
    QVERIFY2(!lower.contains(QLatin1String(" src=")), "the page loads another resource");
    QVERIFY2(!lower.contains(QLatin1String("url(")), "the style loads another resource");
}

void TestHelpDocument::marked_lists_agree()
{
    QVERIFY(!lists.isEmpty());
    for (const MarkedList &l : lists) {
        const QString where = QStringLiteral("formula %1, n = %2").arg(l.formula).arg(l.n);
        QVERIFY2(l.formula >= 0 && l.formula < formula_count, qPrintable(where));
        QVERIFY2(l.n > 0, qPrintable(where));
        bool ok = false;
        const QVector<qint32> written = parse_list(l.text, &ok);
        QVERIFY2(ok, qPrintable(where + QStringLiteral(": \"") + l.text + QLatin1Char('"')));
        QVector<qint32> expected;
        gap_generators[l.formula](l.n, &expected);
        QVERIFY2(written == expected,
                 qPrintable(where + QStringLiteral(": the page says ") + formatted(written) +
                            QStringLiteral(", the formula gives ") + formatted(expected)));
    }
}

void TestHelpDocument::gap_list_present_data()
{
    QTest::addColumn<int>("formula");
    QTest::addColumn<int>("n");
    for (int f = 0; f < formula_count; ++f) {
        for (int n : {10, 20, 25, 100})
            QTest::addRow("%s, n = %d", formula_names[f], n) << f << n;
    }
}

void TestHelpDocument::gap_list_present()
{
    QFETCH(int, formula);
    QFETCH(int, n);
    QVector<qint32> expected;
    gap_generators[formula](n, &expected);
    int found = 0;
    for (const MarkedList &l : lists) {
        if (l.formula != formula || l.n != n)
            continue;
        ++found;
        bool ok = false;
        QCOMPARE(parse_list(l.text, &ok), expected);
        QVERIFY(ok);
    }
    QVERIFY2(found > 0, "the page has no list for this formula and size");
}

void TestHelpDocument::names_formula_data()
{
    QTest::addColumn<QString>("name");
    for (int f = 0; f < formula_count; ++f)
        QTest::newRow(formula_names[f]) << QString::fromUtf8(formula_names[f]);
    QTest::newRow("help item") << QStringLiteral("More information...");
}

void TestHelpDocument::names_formula()
{
    QFETCH(QString, name);
    QVERIFY(page_text.contains(name));
}

void TestHelpDocument::names_key_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"Page Down", "Page Up", "Home", "End", "Ctrl+Right", "Ctrl+Left"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestHelpDocument::names_key()
{
    QFETCH(QString, key);
    QVERIFY2(page.contains(QStringLiteral("<kbd>") + key + QStringLiteral("</kbd>")),
             "the key is not shown as <kbd>KEY</kbd>");
}

QTEST_GUILESS_MAIN(TestHelpDocument)
#include "tst_help_document.moc"
