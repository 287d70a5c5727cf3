// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
// Pictures of a step as PNG, as SVG and on the clipboard, and the save
// dialog that remembers where and how the last one went.
#include "classroom.h"
#include "classroom_test.h"

#include <QSvgRenderer>

namespace
{

const QColor purple(160, 32, 240);

// What the picture dialog offers: folder, kind and name.
struct Offer {
    QString folder, filter, name;
};

Offer offer(const QFileDialog *dialog)
{
    return {QDir::cleanPath(dialog->directory().absolutePath()), dialog->selectedNameFilter(),
            QFileInfo(dialog->selectedFiles().value(0)).fileName()};
}

} // namespace

class TestPictures : public ClassroomTest
{
    Q_OBJECT

    Classroom *classroom() const { return w->window->findChild<Classroom *>(); }

private slots:
    void picture_dialog_remembers_data()
    {
        QTest::addColumn<QString>("suffix"); // chosen in the first dialog
        QTest::addColumn<bool>("removed");   // the folder is gone before the second
        QTest::newRow("PNG into a folder") << "png" << false;
        QTest::newRow("SVG into a folder") << "svg" << false;
        QTest::newRow("SVG into a folder since removed") << "svg" << true;
    }

    // Save picture… offers the folder and the kind of the last picture saved,
    // in a new window too; where that folder is gone, the folder it first
    // offered.
    void picture_dialog_remembers()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, removed);
        const auto filter = [](const QString &kind) {
            return kind.toUpper() + QStringLiteral(" image (*.") + kind + u')';
        };
        QTemporaryDir dir;
        Offer first;
        QVERIFY(answer_dialog(w->window, "Save picture…", [&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(files);
            first = offer(files);
            auto *kinds = files->findChild<QComboBox *>("fileTypeCombo");
            QVERIFY(kinds);
            if (suffix == u"svg")
                QTest::keyClick(kinds, Qt::Key_Down);
            files->selectFile(dir.filePath(offer(files).name));
            QTest::keyClick(files->findChild<QLineEdit *>("fileNameEdit"), Qt::Key_Return);
        }));
        QCOMPARE(first.filter, filter("png"));
        QCOMPARE(first.name, classroom()->picture_name("png"));
        QVERIFY(QFileInfo::exists(dir.filePath(classroom()->picture_name(suffix))));
        if (removed)
            QVERIFY(dir.remove());

        delete w->window;
        w->open();
        w->window->step_to(3);
        Offer next;
        QVERIFY(answer_dialog(w->window, "Save picture…", [&](QDialog *dialog) {
            next = offer(qobject_cast<QFileDialog *>(dialog));
        }));
        QCOMPARE(next.folder, removed ? first.folder : QDir::cleanPath(dir.path()));
        QCOMPARE(next.filter, filter(suffix));
        QCOMPARE(next.name, classroom()->picture_name(suffix));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("PNG") << "png";
        QTest::newRow("SVG") << "svg";
    }

    // The whole picture, at twice the scene's size (PNG and clipboard) or at
    // its size with the labels as text (SVG), purple where the compared boxes
    // are; an unwritable name gets a box naming it and leaves nothing.
    void pictures()
    {
        QFETCH(QString, suffix);
        w->window->step_to(29 - 1);
        QCOMPARE(classroom()->picture_name(suffix), "shell-sort-step-029-of-049." + suffix);
        const TraceStep &step = w->vis->steps[w->vis->cur_step];
        QVERIFY(step.pos_b != -1);
        const QRectF scene = w->vis->scene->sceneRect();

        QTemporaryDir dir;
        const QString path = dir.filePath(classroom()->picture_name(suffix));
        QVERIFY(classroom()->save_picture(path));
        QImage image;
        if (suffix == u"svg") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray svg = file.readAll();
            for (qint32 v : w->vis->seq)
                QVERIFY(svg.contains(">" + QByteArray::number(v) + "</text>"));
            QSvgRenderer renderer(svg);
            QCOMPARE(renderer.viewBoxF().size(), scene.size() + QSizeF(1, 1));
            image = QImage(scene.size().toSize() * 2, QImage::Format_RGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            renderer.render(&painter);
        } else {
            QVERIFY(image.load(path));
            press(QKeyCombination(Qt::CTRL, Qt::Key_C));
            QCOMPARE(QGuiApplication::clipboard()->image(),
                     image.convertToFormat(QImage::Format_RGB32));
        }
        QCOMPARE(image.size(), scene.size().toSize() * 2);
        const int unit = box_width(*w->vis);
        // Inside the frame that marks the compared boxes.
        for (int pos : {step.pos_a, step.pos_b})
            QCOMPARE(image.pixelColor(2 * unit * pos + 10, 2 * 100 + 10), purple);
        QCOMPARE(image.pixelColor(2 * unit * step.pos_a + 4, 2 * 50 + 4), QColor(160, 160, 164));

        const QString unwritable = dir.filePath("no/such/folder/step." + suffix);
        QVERIFY(!classroom()->save_picture(unwritable));
        QCOMPARE(w->boxes.size(), 1);
        QVERIFY(w->boxes[0].startsWith("Critical Error: The picture could not be saved as " +
                                       QDir::toNativeSeparators(unwritable)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QFileInfo(path).fileName()});
    }

    // A thousand numbers: the picture shows what the canvas shows, both
    // compared boxes in two panes, small enough for a slide.
    void long_picture()
    {
        QRandomGenerator rng(1000);
        w->apply(typed_numbers(rng, 1000));
        w->window->step_to(3); // 500 apart, in the first pass
        const TraceStep &step = w->vis->steps[w->vis->cur_step];
        QVERIFY(step.pos_b - step.pos_a == 500);
        QTemporaryDir dir;
        QVERIFY(classroom()->save_picture(dir.filePath("step.png")));
        QVERIFY(classroom()->save_picture(dir.filePath("step.svg")));
        const QImage png(dir.filePath("step.png"));
        QVERIFY(png.width() > 1000 && png.width() <= 4096);
        press(QKeyCombination(Qt::CTRL, Qt::Key_C));
        QCOMPARE(QGuiApplication::clipboard()->image(), png.convertToFormat(QImage::Format_RGB32));
        QFile file(dir.filePath("step.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(QSvgRenderer(svg).defaultSize().width() <= 4096);
        for (int pos : {step.pos_a, step.pos_b}) // white on purple
            QVERIFY(svg.contains("fill=\"#ffffff\">" + QByteArray::number(w->vis->seq[pos]) +
                                 "</text>"));
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
