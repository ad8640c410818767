// The feedback screen: opened from the main screen, each area's messages written on a click, and
// the way back.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "fixture.h"

using rvscreens::Fixture;

class FeedbackTest : public QObject {
  Q_OBJECT

 private slots:
  void each_area_writes_its_messages() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("feedbackButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::feedback);
    auto* areas = f.find<QListWidget>(QStringLiteral("feedbackAreaList"));
    auto* text = f.find<QPlainTextEdit>(QStringLiteral("feedbackText"));
    QVERIFY(areas && text && text->isReadOnly() && text->toPlainText().isEmpty());
    const QString first[] = {QStringLiteral("Locker Room morale is"), QStringLiteral("The fan's general opinion of"),
                             QStringLiteral("We estimate the value of the championships to be as follows:\n\n"),
                             QStringLiteral("We are")};
    QCOMPARE(areas->count(), 4);
    for (int i = 0; i < areas->count(); ++i) {
      QTest::mouseClick(areas->viewport(), Qt::LeftButton, {}, areas->visualItemRect(areas->item(i)).center());
      QVERIFY2(text->toPlainText().startsWith(first[i]), qPrintable(text->toPlainText()));
    }
    // Opened again, it starts blank.
    QVERIFY(f.click(QStringLiteral("feedbackBackButton")));
    QVERIFY(f.click(QStringLiteral("feedbackButton")));
    QVERIFY(text->toPlainText().isEmpty());
  }
};

QTEST_MAIN(FeedbackTest)
#include "feedback_test.moc"
