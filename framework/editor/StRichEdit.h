#pragma once
// Makes the rich-edit windows available for the life of the process.
class StRichEdit {
public:
    StRichEdit();
    StRichEdit(const StRichEdit&) {}
    StRichEdit& operator=(const StRichEdit&) { return *this; }
    ~StRichEdit() = default;
};
