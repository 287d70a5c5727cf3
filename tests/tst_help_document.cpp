// The help document sequences.mht: a web page archive (MIME multipart/related)
// whose page must agree with the gap formulas and the window's controls.
#include "gaps.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

namespace
{

using Fields = QHash<QByteArray, QByteArray>;

// The fields of a CRLF header block, names in lower case, folded lines joined; empty if malformed.
Fields parse_headers(QByteArray block)
{
    Fields fields;
    block.replace("\r\n\t", " ").replace("\r\n ", " ");
    for (const QByteArray &line : block.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon <= 0)
            return {};
        fields[line.left(colon).trimmed().toLower()] = line.mid(colon + 1).trimmed();
    }
    return fields;
}

// The media type of a Content-Type value or, given a name, the value of that parameter.
QByteArray parameter(const QByteArray &value, const char *name = nullptr)
{
    const QString pattern = name ? QString(";\\s*%1=\"?([^\";]*)").arg(name) : "^\\s*([^;\\s]*)";
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    return re.match(QString::fromLatin1(value)).captured(1).toLatin1();
}

} // namespace

class TestHelpDocument : public QObject
{
    Q_OBJECT

    QString page;      // the decoded root part
    QString page_text; // the page without style or tags, blanks collapsed

private slots:
    void initTestCase()
    {
        QFile f(QStringLiteral(VELLORA_HELP_DOCUMENT));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.errorString()));
        const QByteArray file = f.readAll();
        QVERIFY2(!QString::fromLatin1(file).contains(QRegularExpression("(?<!\r)\n")), "bare LF");

        const int end = file.indexOf("\r\n\r\n");
        const Fields message = parse_headers(file.left(end));
        for (const char *name : {"from", "subject", "date"})
            QVERIFY2(!message.value(name).isEmpty(), name);
        QCOMPARE(message.value("mime-version"), QByteArray("1.0"));
        const QByteArray type = message.value("content-type");
        QCOMPARE(parameter(type).toLower(), QByteArray("multipart/related"));
        QCOMPARE(parameter(type, "type").toLower(), QByteArray("text/html"));
        const QByteArray delimiter = "\r\n--" + parameter(type, "boundary");
        QVERIFY2(delimiter.size() > 4, "no boundary");

        // The root part is the first one; the parts end with a closing delimiter.
        const QByteArray body = "\r\n" + file.mid(end + 4);
        const int from = body.indexOf("\r\n", body.indexOf(delimiter) + 2) + 2;
        const int next = body.indexOf(delimiter, from);
        QVERIFY2(next > from, "no root part");
        QVERIFY2(body.indexOf(delimiter + "--", next) >= 0, "no closing delimiter");
        const QByteArray part = body.mid(from, next - from);
        const int part_end = part.indexOf("\r\n\r\n");
        const Fields root = parse_headers(part.left(part_end));
        QCOMPARE(parameter(root.value("content-type")).toLower(), QByteArray("text/html"));
        QCOMPARE(parameter(root.value("content-type"), "charset").toLower(), QByteArray("utf-8"));
        QVERIFY2(!root.value("content-location").isEmpty(), "no Content-Location");

        QByteArray raw = part.mid(part_end + 4);
        const QByteArray encoding = root.value("content-transfer-encoding", "7bit").toLower();
        QVERIFY2(QByteArrayList({"7bit", "8bit", "binary", "quoted-printable"}).contains(encoding),
                 encoding.constData());
        if (encoding == "quoted-printable") {
            raw.replace("=\r\n", ""); // soft line breaks
            QVERIFY2(!QString::fromLatin1(raw).contains(QRegularExpression("=(?![0-9A-Fa-f]{2})")),
                     "bad quoted-printable");
            raw = QByteArray::fromPercentEncoding(raw, '=');
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        page = utf8(raw);
        QVERIFY2(!utf8.hasError(), "the page is not valid UTF-8");
        QVERIFY(page.contains(QLatin1String("<html")) && page.contains(QLatin1String("</html>")));

        QString text = page;
        text.remove(QRegularExpression("(?s)<style.*?</style>"));
        text.remove(QRegularExpression("<[^>]*>")).replace(QRegularExpression("&(#39|apos);"), "'");
        page_text = text.replace("&nbsp;", " ").replace("&amp;", "&").simplified();
    }

    // Every list marked class="gaps" data-formula="F" data-n="N" is what formula F gives for
    // N items, and each formula has one for each of the sizes below.
    void marked_gap_lists()
    {
        const QRegularExpression marked("<(\\w+)([^>]*\\bclass=\"gaps\"[^>]*)>([^<]*)</\\1>");
        const QRegularExpression attributes(
            "^(?=.*\\bdata-formula=\"(\\d+)\")(?=.*\\bdata-n=\"(\\d+)\")");
        QSet<QPair<int, int>> seen;
        for (auto it = marked.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch m = it.next(), a = attributes.match(m.captured(2));
            const int f = a.captured(1).toInt(), n = a.captured(2).toInt();
            QVERIFY2(a.hasMatch() && f < formula_count && n > 0, qPrintable(m.captured(0)));
            QVector<qint32> gaps;
            gap_generators[f](n, &gaps);
            QStringList expected;
            for (qint32 g : gaps)
                expected << QString::number(g);
            const QString want = expected.isEmpty() ? "none" : expected.join(',');
            QVERIFY2(m.captured(3).remove(QRegularExpression("\\s")) == want,
                     qPrintable(m.captured(0) + " should list " + want));
            seen.insert({f, n});
        }
        for (int f = 0; f < formula_count; ++f)
            for (int n : {10, 20, 25, 100})
                QVERIFY2(seen.contains({f, n}),
                         qPrintable(QString("%1, n = %2").arg(formula_names[f]).arg(n)));
    }

    // The page is self-contained and names the formulas, the help item and the keys.
    void page_content()
    {
        for (const char *what : {"<script", "<link", " src=", "url("})
            QVERIFY2(!page.toLower().contains(QLatin1String(what)), what);
        for (const char *name : formula_names)
            QVERIFY2(page_text.contains(QString::fromUtf8(name)), name);
        QVERIFY(page_text.contains("More information..."));
        for (const char *key : {"Page Down", "Page Up", "Home", "End", "Ctrl+Right", "Ctrl+Left"})
            QVERIFY2(page.contains(QString("<kbd>%1</kbd>").arg(key)), key);
    }
};

QTEST_GUILESS_MAIN(TestHelpDocument)
#include "tst_help_document.moc"
