#include "DocumentFileJournalOffer.h"

#include "DocumentFileJournal.h"
#include "MsgDlg.h"
#include "RecoveryCopy.h"

void OfferUnfinishedSaves(QWidget* Parent, const QString& Folder) {
  for (TUnfinishedSave& save : FindUnfinishedSaves(Folder.isEmpty() ? RecoveryFolder() : Folder)) {
    const QString& file = save.Record.Target;
    const QString& copy = save.Record.Backup;
    if (save.Replaced) {
      MessageDlg(
          QStringLiteral("A save of %1 did not finish, and the file has been replaced since. The copy of "
                         "it as it was before that save is kept in %2.")
              .arg(file, copy),
          mtInformation, mbOK, Parent);
      ForgetUnfinishedSave(save);
      continue;
    }
    const QString question =
        QStringLiteral(
            "A save of %1 did not finish, and the file may be cut short.\n\nPut the file back as it "
            "was before that save?")
            .arg(file);
    switch (MessageDlg(question, mtWarning, mbYes | mbNo, Parent)) {
      case mrYes: {
        QString why;
        if (!RestoreUnfinishedSave(save, &why)) {
          MessageDlg(
              QStringLiteral("%1 could not be put back: %2\n\nThe copy of it as it was before that save "
                             "is kept in %3.")
                  .arg(file, why, copy),
              mtError, mbOK, Parent);
          ForgetUnfinishedSave(save);
        }
        break;
      }
      case mrNo:
        MessageDlg(QStringLiteral("The copy of %1 as it was before that save is kept in %2.").arg(file, copy),
                   mtInformation, mbOK, Parent);
        ForgetUnfinishedSave(save);
        break;
      default: break;  // closed without an answer: asked again at the next start
    }
  }
}
