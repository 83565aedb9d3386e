// SPDX-License-Identifier: MIT
// The About window (modeless, one of it, shown again with the same contents) and the program's
// message box (modal, one OK button).

export class AboutWindow {
    constructor(element) {
        this.element = element;
        this.closeButton = element.querySelector('.close');
        this.closeButton.addEventListener('click', () => { element.hidden = true; });
    }

    open() {
        this.element.hidden = false;
        this.closeButton.focus();
    }
}

export class MessageBox {
    // `dialog`: a <dialog> holding the message's text element `text`.
    constructor(dialog, text) {
        Object.assign(this, { dialog, text });
    }

    show(message) {
        this.text.textContent = message;
        if (!this.dialog.open) {
            this.dialog.showModal();
        }
    }
}
