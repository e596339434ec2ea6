// The save dialog on Qt, driven from inside its own loop: what it starts
// with, what it answers, and where it keeps the user in it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "platform/qt/save_dialog.h"
#include "support/test_application.h"

namespace tolvane {
namespace {

using testing::TestApplication;
using testing::WhenLoopRuns;

// As the dialog's Save button does.
void Accept(QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); }

template <typename T>
T* ActiveModal() {
  return qobject_cast<T*>(QApplication::activeModalWidget());
}

class SaveDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    ASSERT_TRUE(folder_.isValid());
    settings_.filter = "JPG（.jpg）|*.jpg";
    settings_.initialDirectory = Folder();
    settings_.defaultExtension = ".jpg";
  }

  std::string Folder() const { return folder_.path().toStdString(); }

  // Runs the dialog; `inside` runs from its loop with the dialog in hand.
  std::optional<std::string> Run(std::function<void(QFileDialog&)> inside) {
    WhenLoopRuns([inside] {
      QFileDialog* dialog = ActiveModal<QFileDialog>();
      ASSERT_NE(dialog, nullptr);
      inside(*dialog);
      // Whatever the step left open is cancelled, so the test never hangs.
      if (QFileDialog* left = ActiveModal<QFileDialog>()) left->reject();
    });
    return RunQtSaveDialog(settings_);
  }

  // Answers the message box that the next step opens, from its own loop.
  static void AnswerNextMessage(QMessageBox::StandardButton answer, QString* text) {
    WhenLoopRuns([answer, text] {
      QMessageBox* box = ActiveModal<QMessageBox>();
      ASSERT_NE(box, nullptr);
      *text = box->text();
      box->button(answer)->click();
    });
  }

  QTemporaryDir folder_;
  SaveDialogSettings settings_;
};

TEST_F(SaveDialogTest, StartsWithTheSettingsAndAddsTheDefaultExtension) {
  std::optional<std::string> chosen = Run([this](QFileDialog& dialog) {
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("JPG（.jpg） (*.jpg)")});
    EXPECT_EQ(dialog.directory().absolutePath().toStdString(), Folder());
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
    EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    dialog.selectFile(QStringLiteral("map"));
    Accept(dialog);
  });
  EXPECT_EQ(chosen, Folder() + "/map.jpg");
}

TEST_F(SaveDialogTest, StartsAtThePathChosenBefore) {
  settings_.fileName = Folder() + "/earlier.jpg";
  std::optional<std::string> chosen = Run([](QFileDialog& dialog) { Accept(dialog); });
  EXPECT_EQ(chosen, Folder() + "/earlier.jpg");
}

TEST_F(SaveDialogTest, CancelAnswersNothing) {
  EXPECT_EQ(Run([](QFileDialog& dialog) { dialog.reject(); }), std::nullopt);
}

TEST_F(SaveDialogTest, AsksBeforeReplacingAnExistingFile) {
  const std::string existing = Folder() + "/map.jpg";
  std::ofstream(existing) << "an older picture";
  QString question;
  bool stillOpenAfterNo = false;
  std::optional<std::string> chosen = Run([&](QFileDialog& dialog) {
    dialog.selectFile(QStringLiteral("map.jpg"));
    AnswerNextMessage(QMessageBox::No, &question);
    Accept(dialog);
    stillOpenAfterNo = dialog.isVisible();
    AnswerNextMessage(QMessageBox::Yes, &question);
    Accept(dialog);
  });
  EXPECT_TRUE(question.contains(QStringLiteral("map.jpg"))) << question.toStdString();
  EXPECT_TRUE(stillOpenAfterNo);
  EXPECT_EQ(chosen, existing);
}

TEST_F(SaveDialogTest, KeepsTheUserInTheDialogWhileTheFolderIsMissing) {
  QString warning;
  bool stillOpen = false;
  std::optional<std::string> chosen = Run([&](QFileDialog& dialog) {
    dialog.selectFile(QString::fromStdString(Folder() + "/missing/map.jpg"));
    AnswerNextMessage(QMessageBox::Ok, &warning);
    Accept(dialog);
    stillOpen = dialog.isVisible();
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(warning.contains(QStringLiteral("missing"))) << warning.toStdString();
  EXPECT_EQ(chosen, std::nullopt);
}

}  // namespace
}  // namespace tolvane
