#include "win32/controls/CtlTextModel.h"
#include "win32/controls/RichEdit.h"

#include <gtest/gtest.h>

namespace {

CtlCharFormat Bold()
{
    CtlCharFormat f;
    f.effects = CFE_BOLD;
    return f;
}

TEST(CtlTextModel, TypingIsUndoneAsOneStepAndRedoneAgain)
{
    CtlTextModel doc;
    doc.ReplaceSelection(u"ab", true, true);
    doc.ReplaceSelection(u"c", true, true);
    doc.SetSelection(0, 0);
    doc.ReplaceSelection(u"X", true, true);
    EXPECT_EQ(doc.Text(), u"Xabc");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Text(), u"abc");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Text(), u"");
    EXPECT_FALSE(doc.CanUndo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Text(), u"abc");
    doc.ReplaceSelection(u"!", true);
    EXPECT_FALSE(doc.CanRedo()); // a new edit drops what could be redone
}

TEST(CtlTextModel, SingleUndoTogglesLikeAPlainEdit)
{
    CtlTextModel doc;
    doc.SetPlain(true);
    doc.SetSingleUndo(true);
    doc.Replace(0, 0, u"one", true);
    doc.Replace(0, 3, u"two", true);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Text(), u"one");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Text(), u"two");
}

TEST(CtlTextModel, LimitCutsInsertedText)
{
    CtlTextModel doc;
    doc.SetLimit(5);
    EXPECT_TRUE(doc.ReplaceSelection(u"abcdefg", true));
    EXPECT_TRUE(doc.WasCut());
    EXPECT_EQ(doc.Text(), u"abcde");
    EXPECT_FALSE(doc.ReplaceSelection(u"x", true));
    EXPECT_EQ(doc.Text(), u"abcde");
    doc.SetSelection(0, 2);
    EXPECT_TRUE(doc.ReplaceSelection(u"xyz", true)); // replacing frees only what it replaces
    EXPECT_EQ(doc.Text(), u"xycde");
}

TEST(CtlTextModel, LineEndsBecomeParagraphMarksOnlyInRichText)
{
    CtlTextModel rich;
    rich.Replace(0, 0, u"a\r\nb\nc", true);
    EXPECT_EQ(rich.Text(), u"a\rb\rc");
    CtlTextModel plain;
    plain.SetPlain(true);
    plain.Replace(0, 0, u"a\r\nb", true);
    EXPECT_EQ(plain.Text(), u"a\r\nb");
}

TEST(CtlTextModel, SelectionFormatReportsOnlyWhatIsUniform)
{
    CtlTextModel doc;
    doc.Replace(0, 0, u"plain bold", true);
    doc.ApplyFormat(6, 10, Bold(), CFM_BOLD, true);
    CtlCharFormat f;
    doc.SetSelection(0, 10);
    DWORD mask = doc.SelectionFormat(f);
    EXPECT_FALSE(mask & CFM_BOLD);
    EXPECT_TRUE(mask & CFM_FACE);
    doc.SetSelection(6, 10);
    mask = doc.SelectionFormat(f);
    EXPECT_TRUE(mask & CFM_BOLD);
    EXPECT_TRUE(f.effects & CFE_BOLD);
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(doc.FormatAt(7).effects & CFE_BOLD);
}

TEST(CtlTextModel, FormatOfAnEmptySelectionAppliesToWhatIsTypedNext)
{
    CtlTextModel doc;
    doc.ReplaceSelection(u"ab", true, true);
    doc.ApplySelectionFormat(Bold(), CFM_BOLD, true);
    CtlCharFormat f;
    doc.SelectionFormat(f);
    EXPECT_TRUE(f.effects & CFE_BOLD);
    doc.ReplaceSelection(u"c", true, true);
    EXPECT_FALSE(doc.FormatAt(1).effects & CFE_BOLD);
    EXPECT_TRUE(doc.FormatAt(2).effects & CFE_BOLD);
    // Typing after the bold character continues in bold.
    doc.ReplaceSelection(u"d", true, true);
    EXPECT_TRUE(doc.FormatAt(3).effects & CFE_BOLD);
}

TEST(CtlTextModel, FormatOfTheWholeTextOutlivesTheText)
{
    CtlTextModel doc;
    CtlCharFormat big;
    big.height = 240;
    doc.SetSelection(0, -1);
    doc.ApplySelectionFormat(big, CFM_SIZE, true); // on the empty editor
    doc.SetSelection(0, 0);
    doc.ReplaceSelection(u"typed", true, true);
    EXPECT_EQ(doc.FormatAt(0).height, 240);
    doc.SetSelection(0, -1);
    CtlCharFormat small;
    small.height = 160;
    doc.ApplySelectionFormat(small, CFM_SIZE, true);
    doc.ReplaceSelection(u"", true);
    doc.ReplaceSelection(u"again", true, true);
    EXPECT_EQ(doc.FormatAt(0).height, 160);
}

TEST(CtlTextModel, ParagraphFormatsFollowSplitsAndSelections)
{
    CtlTextModel doc;
    doc.Replace(0, 0, u"one\rtwo\rthree", true);
    doc.SetSelection(5, 5);
    CtlParaFormat centre;
    centre.alignment = PFA_CENTER;
    doc.ApplyParagraph(centre, PFM_ALIGNMENT, true);
    EXPECT_EQ(doc.ParagraphAt(0).alignment, PFA_LEFT);
    EXPECT_EQ(doc.ParagraphAt(4).alignment, PFA_CENTER);
    EXPECT_EQ(doc.ParagraphAt(9).alignment, PFA_LEFT);
    // Splitting the centred paragraph gives two centred ones.
    doc.Replace(5, 5, u"\r", true);
    EXPECT_EQ(doc.ParagraphAt(4).alignment, PFA_CENTER);
    EXPECT_EQ(doc.ParagraphAt(6).alignment, PFA_CENTER);
    CtlParaFormat f;
    doc.SetSelection(0, 7);
    EXPECT_FALSE(doc.SelectionParagraph(f) & PFM_ALIGNMENT);
    doc.SetSelection(4, 7);
    EXPECT_TRUE(doc.SelectionParagraph(f) & PFM_ALIGNMENT);
}

TEST(CtlTextModel, ExtractAndReplaceRichKeepFormats)
{
    CtlTextModel doc;
    doc.Replace(0, 0, u"ab\rcd", true);
    doc.ApplyFormat(0, 1, Bold(), CFM_BOLD, true);
    CtlRichText piece = doc.Extract(0, 5);
    ASSERT_EQ(piece.charFormat.size(), 5u);
    EXPECT_EQ(piece.formats.size(), 2u); // bold and plain
    ASSERT_EQ(piece.paraFormats.size(), 2u);
    CtlTextModel other;
    other.ReplaceRich(0, 0, piece, true);
    EXPECT_EQ(other.Text(), u"ab\rcd");
    EXPECT_TRUE(other.FormatAt(0).effects & CFE_BOLD);
    EXPECT_FALSE(other.FormatAt(1).effects & CFE_BOLD);
}

TEST(CtlTextModel, SelectionIsClampedAndMinusOneMeansTheEnd)
{
    CtlTextModel doc;
    doc.Replace(0, 0, u"hello", true);
    doc.SetSelection(0, -1);
    EXPECT_EQ(doc.SelStart(), 0);
    EXPECT_EQ(doc.SelEnd(), 5);
    doc.SetSelection(99, 2);
    EXPECT_EQ(doc.SelStart(), 2);
    EXPECT_EQ(doc.SelEnd(), 5);
    doc.SetSelection(-1, 3);
    EXPECT_EQ(doc.SelStart(), 3);
    EXPECT_EQ(doc.SelEnd(), 3);
}

} // namespace
