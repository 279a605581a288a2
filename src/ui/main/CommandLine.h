#pragma once

#include <QCoreApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace tarvel {

// The window program's command line: --help, --version, a program file to
// open at start and --data FILE for the data image.
class CommandLine {
  Q_DECLARE_TR_FUNCTIONS(CommandLine)

 public:
  CommandLine();

  // Answers --help and --version on the terminal and ends the program. Runs
  // before the window's application object exists, so both work without a
  // display; returns when neither was asked for.
  static void AnswerTextRequests(int& argc, char** argv);

  // Reads the arguments that the application object left (Qt's own options
  // taken out). False on a mistake, which ErrorText names.
  bool Parse(const QStringList& arguments);
  // Tells the mistake on the terminal; the program's exit status.
  int TellMistake() const;

  const QString& ErrorText() const { return error_; }
  const QString& ProgramFile() const { return programFile_; }
  const QString& DataFile() const { return dataFile_; }

 private:
  QCommandLineParser parser_;
  QCommandLineOption help_;
  QCommandLineOption version_;
  QCommandLineOption data_;
  QString error_;
  QString programFile_;
  QString dataFile_;
};

}  // namespace tarvel
