// "Grille vers JPEG": the save dialog, the overwrite question, the picture of the board (as a
// player sees it, 425 x 420 pixels) and the encoder's failures.

#include "app/jpeg_writer.h"
#include "tests/print/print_shell.h"
#include "tests/widgets/modal_answers.h"

#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace print_test;
using services_test::ReadBytes;
using services_test::WriteBytes;

namespace {

constexpr QSize kPicture{425, 420};

// A rectangle of the frame's board area (445 x 445), which the picture stretches to its size.
QRect InPicture(const QRect& inFrame) {
    const auto x = [](int v) { return v * kPicture.width() / 445; };
    const auto y = [](int v) { return v * kPicture.height() / 445; };
    return QRect(QPoint(x(inFrame.left()), y(inFrame.top())),
                 QPoint(x(inFrame.right()), y(inFrame.bottom())));
}

// The inside of a cell in the picture: on screen cells are 39 pixels square, 46 apart, the first
// at (25, 25).
QRect CellInside(int row, int col) {
    return InPicture(
        QRect((col - 1) * 46 + 25, (row - 1) * 46 + 25, 39, 39).adjusted(3, 3, -3, -3));
}

int DarkPixels(const QImage& picture, const QRect& region) {
    int dark = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            dark += qGray(picture.pixel(x, y)) < 100;
    return dark;
}

// The region's average colour, within a few steps of expected as JPEG keeps flat areas.
bool AverageIs(const QImage& picture, const QRect& region, const QColor& expected, int steps = 20) {
    const QColor average = picture.copy(region)
                               .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .pixelColor(0, 0);
    return std::abs(average.red() - expected.red()) <= steps &&
           std::abs(average.green() - expected.green()) <= steps &&
           std::abs(average.blue() - expected.blue()) <= steps;
}

} // namespace

class TestGridPicture : public QObject {
    Q_OBJECT

    std::unique_ptr<PrintShell> shell_;
    std::unique_ptr<QTemporaryDir> folder_;

    QString PathInFolder(const QString& name) const { return QDir(folder_->path()).filePath(name); }

private slots:
    void init() {
        shell_ = std::make_unique<PrintShell>();
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(shell_->commands != nullptr);
        QVERIFY(shell_->NewGrid(kPuzzle) != nullptr);
    }

    void cleanup() {
        shell_.reset();
        folder_.reset();
    }

    void pictureShowsTheWholeBoardAsOnScreen() {
        const QString path = PathInFolder(QStringLiteral("grid.jpg"));
        shell_->commands->Dialogs().chooseJpegFile = [path] { return path; };
        shell_->Trigger("ActionGrilleToJPG");
        QVERIFY(shell_->errors.isEmpty());
        const QImage picture(path, "JPEG");
        QCOMPARE(picture.size(), kPicture);
        // The strip of board under the last row, in the board's grey-blue.
        QVERIFY(AverageIs(picture, InPicture(QRect(190, 435, 20, 6)).adjusted(0, 1, 0, -1),
                          QColor(191, 205, 219)));
        // An empty cell (L1C3) is white, with the candidates hidden.
        QCOMPARE(DarkPixels(picture, CellInside(1, 3)), 0);
        QVERIFY(AverageIs(picture, CellInside(1, 3), Qt::white, 4));
        // Ink in the givens down to the last cell (the board is whole), in the number of column 5
        // above the board and of row 9 to its left.
        for (const QRect& inked :
             {CellInside(1, 1), CellInside(5, 4), CellInside(9, 9),
              InPicture(QRect(209, 3, 39, 18)), InPicture(QRect(3, 393, 16, 39))})
            QVERIFY2(DarkPixels(picture, inked) > 5,
                     qPrintable(QStringLiteral("%1 %2").arg(inked.x()).arg(inked.y())));
    }

    void saveDialogOffersJpegFiles() {
        ModalAnswers answers;
        answers.Queue([this](QDialog& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->objectName(), "SaveDialogBmp");
            QCOMPARE(dialog->windowTitle(), "Enregistrer la grille sous");
            QCOMPARE(dialog->nameFilters(), QStringList{"Fichiers JPEG (*.jpg)"});
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->defaultSuffix(), "jpg");
            dialog->setDirectory(folder_->path());
            dialog->selectFile(QStringLiteral("board"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        shell_->Trigger("ActionGrilleToJPG");
        QVERIFY(answers.AllAnswered());
        // The default extension is added to a name typed without one.
        QVERIFY(!QImage(PathInFolder(QStringLiteral("board.jpg")), "JPEG").isNull());
    }

    // The file chosen: existing (replaced on Yes only), none (dialog cancelled), or in a "folder"
    // that is a plain file.
    void writesOnlyWhatItShould_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("answer"); // to the overwrite question; empty: none asked
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("errors");
        QTest::newRow("No keeps the file") << "old.jpg"
                                           << "Non" << false << 0;
        QTest::newRow("Yes replaces it") << "old.jpg"
                                         << "Oui" << true << 0;
        QTest::newRow("save dialog cancelled") << ""
                                               << "" << false << 0;
        QTest::newRow("unwritable folder") << "old.jpg/grid.jpg"
                                           << "" << false << 1;
    }

    void writesOnlyWhatItShould() {
        QFETCH(QString, name);
        QFETCH(QString, answer);
        QFETCH(bool, written);
        QFETCH(int, errors);
        const QByteArray before("not a picture, yet\r\n");
        QVERIFY(WriteBytes(PathInFolder(QStringLiteral("old.jpg")), before));
        const QString path = name.isEmpty() ? QString() : PathInFolder(name);
        shell_->commands->Dialogs().chooseJpegFile = [path] { return path; };
        QString question;
        ModalAnswers answers;
        if (!answer.isEmpty())
            answers.Queue([&](QDialog& modal) {
                auto* box = qobject_cast<QMessageBox*>(&modal);
                QVERIFY(box != nullptr && box->icon() == QMessageBox::Information);
                question = box->text();
                QVERIFY(ModalAnswers::PressButton(modal, answer));
            });
        shell_->Trigger("ActionGrilleToJPG");
        QVERIFY(answers.AllAnswered());
        if (!answer.isEmpty())
            QCOMPARE(question, "Le fichier old.jpg existe déjà.\r\nVoulez-vous l'écraser ?");
        QCOMPARE(shell_->errors.size(), errors);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"old.jpg"});
        QCOMPARE(ReadBytes(PathInFolder(QStringLiteral("old.jpg"))) == before, !written);
        if (written)
            QCOMPARE(QImage(path, "JPEG").size(), kPicture);
    }

    void encoderFailuresComeBackAsErrors_data() {
        QTest::addColumn<QImage>("image");
        QTest::newRow("empty image") << QImage();
        QTest::newRow("wider than JPEG allows") << QImage(70000, 1, QImage::Format_RGB32);
    }

    void encoderFailuresComeBackAsErrors() {
        QFETCH(QImage, image);
        QByteArray jpeg("left over");
        QVERIFY(!app::EncodeJpeg(image, jpeg).isEmpty());
        QVERIFY(jpeg.isEmpty());
        // The program is still here, and the encoder works again and keeps the picture.
        QImage red(64, 48, QImage::Format_RGB32);
        red.fill(QColor(200, 30, 40));
        QCOMPARE(app::EncodeJpeg(red, jpeg), QString());
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        const QImage decoded = QImage::fromData(jpeg, "JPEG");
        QCOMPARE(decoded.size(), red.size());
        QVERIFY(AverageIs(decoded, QRect(30, 22, 4, 4), QColor(200, 30, 40)));
    }
};

QTEST_MAIN(TestGridPicture)
#include "test_grid_picture.moc"
