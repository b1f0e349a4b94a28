// Form layouts: a small text format in the manner of the class library's
// form files, compiled into the program as RCDATA resources named after the
// form class and read when the form is created.
//
//     // a comment runs to the end of the line
//     object PickForm: TPickForm          the form itself: its name and class
//       Caption = 'Add Tender Media'      text in single quotes, '' for a quote,
//       ClientWidth = 306                   #13#10 for control characters, and
//       Position = poScreenCenter           'a' + 'b' to join pieces
//       Font.Style = [fsBold]             a set: constants in brackets
//       OnActivate = FormActivate         an event: the name of a bound handler
//       object OKBtn: TBitBtn             a component: created by class name,
//         Left = 24                         owned by the form, placed in the
//         Kind = bkOK                       enclosing control; constants name
//         OnClick = OKBtnClick              colours, alignments, kinds...
//       end
//       object Items: TListBox
//         Items.Strings = (               a list of texts
//           '10'
//           '9')
//       end
//       object Bar: TStatusBar
//         Panels = <                      a collection: one item per entry
//           item
//             Width = 420
//           end>
//       end
//     end
//
// Aligned controls take their edge in declaration order: the first alTop
// control is topmost, the first alBottom one lowest, then inwards; alClient
// fills what is left.
//
// Reading creates the components in order, sets each property by name as it
// comes, binds each event to the form's handler of that name, fills the
// form's fields of the same names, then calls Loaded on every component once
// the whole layout is read, and finally the form's OnCreate. Any unknown
// class, property, constant or handler raises ELayoutError with its line.
#pragma once

#include <string>
#include <vector>

#include "layout_value.h"

class TComponent;
class TForm;

class TLayoutReader {
public:
    struct Node {
        std::string name, className;
        std::vector<std::pair<std::string, TLayoutValue>> props;
        std::vector<Node> children;
        int line = 0;
    };

    static Node Parse(const std::string& text);
    static void Apply(TForm* form, const Node& root);

private:
    static void ApplyProps(TForm* form, TComponent* c, const Node& node);
    static void CreateChild(TForm* form, TComponent* parent, const Node& node, std::vector<TComponent*>& created);
};
