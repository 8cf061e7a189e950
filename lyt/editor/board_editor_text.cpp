// Texts: the text tool, the text dialog's values, "Editer Texte"; and the
// grid-step dialog.
#include "lyt/editor/board_editor.h"

#include "common/core/grid_step_input.h"
#include "common/core/number_text.h"
#include "common/core/text_entry.h"

#include <optional>

namespace lyt {

// The dialog comes between ending the previous tool and placing the text;
// without a text the selection tool comes back.
void BoardEditor::OptTexte() {
  StartTool(Tool::Text);
  common::TextDialogRequest request;
  request.NewText = true;
  const common::TextDialogAnswer answer = ui_.ShowTextDialog(request);
  if (answer.Accepted) incrementValue_ = common::IncrementValueOf(answer);
  if (!common::GivesText(answer)) {
    StopTool();
    return;
  }
  textEntry_ = answer;
  ui_.SetPointer(common::PointerShape::Cross);
  PrepareText();
}

void BoardEditor::PrepareText() {
  ReleaseSelection();
  PendingItem text;
  text.Kind = ElementKind::Text;
  text.Layer = layers_.CurrentLayer;
  text.Size = common::TextHeightAt(common::Program::Lyt, textEntry_.SizeIndex);
  text.MoveMode = PendingMove::Whole;
  text.Active = true;
  ApplyTextEntry(text);
  board_.Pending = {text};
  PlaceUnderPointer();
}

void BoardEditor::ApplyTextEntry(PendingItem& item) {
  const common::TextExtent extent =
      common::ComputeTextEntry(textEntry_, incrementValue_, {item.X1, item.Y1}, {item.X2, item.Y2},
                               item.Angle, viewport_, common::Program::Lyt);
  item.Text = extent.Text;
  item.Size = extent.Height;
  item.X2 = extent.Second.X;
  item.Y2 = extent.Second.Y;
}

// Only the item in hand changes: the element takes it at the next commit.
void BoardEditor::MnuEditTexte() {
  PendingItem* text = nullptr;
  for (PendingItem& item : board_.Pending) {
    if (item.Active && item.Kind == ElementKind::Text) {
      text = &item;
      break;
    }
  }
  if (!text) return;
  const std::optional<common::TextDialogRequest> request =
      common::EditTextRequest(text->Text, text->Size);
  if (!request) {
    ui_.Tell(common::EditTextError);
    return;
  }
  const common::TextDialogAnswer answer = ui_.ShowTextDialog(*request);
  if (!common::GivesText(answer)) return;
  textEntry_ = answer;
  incrementValue_ = -1;
  DrawPending();  // erase the old preview
  ApplyTextEntry(*text);
  DrawPending();
}

// The dialog writes its status texts itself, with a space after the colon.
void BoardEditor::MnuPas() {
  auto accept = [this](const std::string& textX, const std::string& textY) {
    const double x = common::ParseTypedNumber(textX);
    const double y = common::ParseTypedNumber(textY);
    auto inRange = [](double step) {
      return step >= common::SmallestGridStep && step <= common::LargestGridStep;
    };
    if (!inRange(x) || !inRange(y)) {
      ui_.Tell("valeur incorrecte");
      return false;
    }
    viewport_.GridStepY = static_cast<float>(y);
    viewport_.GridStepX = static_cast<float>(x);
    const int panel = viewport_.Config().GridStepPanel;
    ui_.SetStatusText(panel, "  Pas de la grille Horizontal: " +
                                 common::WriteFileNumber(viewport_.GridStepX) + "mm   ");
    ui_.SetStatusText(panel + 1, "  Pas de la grille Vertical: " +
                                     common::WriteFileNumber(viewport_.GridStepY) + "mm   ");
    return true;
  };
  ui_.ShowGridStepDialog(common::WriteFileNumber(viewport_.GridStepX),
                         common::WriteFileNumber(viewport_.GridStepY), accept);
  LayOut();
  RedrawBoard();
}

}  // namespace lyt
