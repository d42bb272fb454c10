#pragma once
// What a control of the calculator window says beside its value: it turns
// red while its value is refused or warned of, and its tooltip is, in this
// order, the message about its value, the reason it does not apply (while
// it is disabled for that reason), or its usual hint.  Each of the three is
// set on its own; the tooltip always shows the first one there is.

class QString;
class QWidget;

namespace lst::hinweis {

// The usual hint of a control.  Without a call, the tooltip the control had
// when one of these functions first saw it.
void Normal(QWidget* w, const QString& text);
QString Normal(QWidget* w);
// Why the control does not apply; empty when it does.
void Grund(QWidget* w, const QString& text);
// The message about the value; red while it is not empty.
void Meldung(QWidget* w, const QString& text);
// Whether the control is red (a message is standing).
bool Rot(const QWidget* w);

}  // namespace lst::hinweis
