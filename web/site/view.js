"use strict";

// The table as HTML: one element per control of the design, with the control's name as its id,
// updated from what the game reports. No rule of the game lives here.
class TableView {
  constructor(root, design, pictures) {
    this.root = root;
    this.design = design;
    this.pictures = pictures;
    this.elements = [];
    root.style.background = design.background;
    root.setAttribute("aria-label", design.caption);
    for (const control of design.controls)
      this.elements.push(this.create(control));
    // Tab goes through the buttons in the design's tab order, which is their order in the page.
    const focusable = design.controls.map((control, i) => [control, this.elements[i]])
      .filter(([control]) => control.kind === "button" && control.tabIndex >= 0)
      .sort(([a], [b]) => a.tabIndex - b.tabIndex);
    for (const [, element] of focusable)
      root.append(element);
    this.adviceFrame = document.createElement("div");
    this.adviceFrame.id = "advice-frame";
    this.adviceFrame.hidden = true;
    this.badges = document.createElement("div");
    this.badges.id = "advice-badges";
    this.badges.setAttribute("role", "group");
    this.badges.hidden = true;
    this.refusedFrame = document.createElement("div");
    this.refusedFrame.id = "refused-frame";
    this.refusedFrame.hidden = true;
    this.note = document.createElement("div");
    this.note.id = "trainer-note";
    this.note.setAttribute("role", "alert");
    this.note.hidden = true;
    root.append(this.adviceFrame, this.badges, this.refusedFrame, this.note);
    this.advice = [0, [], {}];
    this.arrange(arrangements.isUpright());
  }

  // Puts every control where the table's arrangement says, the design's or the upright one,
  // with what is drawn over them.
  arrange(upright) {
    if (this.layout?.upright === upright)
      return;
    const layout = this.layout = arrangements.layout(this.design, upright);
    this.root.style.width = layout.width + "px";
    this.root.style.height = layout.height + "px";
    document.body.classList.toggle("upright", upright);
    this.design.controls.forEach((control, i) => {
      const place = layout.controls[i], style = this.elements[i].style;
      for (const side of ["left", "top", "width", "height"])
        style[side] = place[side] + "px";
      if (control.fontPoints > 0)
        style.fontSize = TableView.pixelSize(control.fontPoints) * place.caption + "px";
      if (control.kind === "label")
        this.fit(this.elements[i]);
    });
    this.placeNote();
    this.refusedFrame.hidden = true;
    this.showAdvice(...this.advice);
  }

  // The rectangle of the named control in the table's arrangement.
  place(name) {
    return this.layout.controls[this.design.controls.findIndex((c) => c.name === name)];
  }

  // Points to pixels at 96 dots an inch, rounded, as the desktop sizes its caption fonts.
  static pixelSize(points) { return Math.round(points * 96 / 72); }

  create(control) {
    const kind = control.kind;
    const element = document.createElement(kind === "button" ? "button" : "div");
    element.id = control.name;
    element.className = "control " + kind;

    const caption = document.createElement("span");
    caption.className = "caption";
    caption.setAttribute("aria-hidden", "true");
    if (kind === "button") {
      element.type = "button";
      element.tabIndex = control.tabIndex >= 0 ? 0 : -1;
      element.append(this.pictureElement(), caption);
    } else if (kind === "label") {
      element.setAttribute("role", "group");
      element.classList.add("align-" + control.align);
      if (control.border)
        element.classList.add("bordered");
      element.append(caption);
    } else {
      element.setAttribute("role", "img");
      element.append(this.pictureElement());
    }
    this.root.append(element);
    return element;
  }

  pictureElement() {
    const picture = document.createElement("img");
    picture.alt = "";
    picture.hidden = true;
    picture.draggable = false;
    return picture;
  }

  element(name) { return document.getElementById(name); }

  // Applies the changes the game reported: [{index, caption, fore, back, enabled,
  // picture, accessibleName, accessibleValue, hidden}].
  apply(changes) {
    const fitted = [];
    for (const change of changes) {
      const control = this.design.controls[change.index];
      const element = this.elements[change.index];
      if (control.kind === "label")
        fitted.push(this.applyLabel(control, element, change));
      else if (control.kind === "button")
        this.applyButton(control, element, change);
      else
        this.showPicture(element.querySelector("img"), change.picture);
      element.setAttribute("aria-label", change.accessibleName);
      // A part of the card board, which one of its controls speaks for.
      if (change.hidden)
        element.setAttribute("aria-hidden", "true");
      if (change.accessibleValue)
        element.setAttribute("aria-description", change.accessibleValue);
      else
        element.removeAttribute("aria-description");
    }
    for (const label of fitted)
      this.fit(label);
  }

  applyLabel(control, element, change) {
    const caption = element.firstChild;
    caption.textContent = change.caption.replace(/\r\n/g, "\n");
    element.style.color = change.fore;
    element.style.background = control.transparent ? "transparent" : change.back;
    element.classList.toggle("disabled", !change.enabled);
    return element;
  }

  applyButton(control, element, change) {
    element.querySelector(".caption").textContent = change.caption;
    element.style.background = change.back;
    element.disabled = !change.enabled;
    this.showPicture(element.querySelector("img"), change.picture);
  }

  showPicture(img, path) {
    if (!path) {
      img.hidden = true;
      img.removeAttribute("src");
      return;
    }
    // Shown at once when it has come in, else the moment it arrives.
    img.src = this.pictures.url(path);
    img.hidden = false;
  }

  // A caption too wide for its label is drawn narrower, down to three quarters of its width, as
  // on the desktop; one that wraps shows its lines from the top.
  fit(label) {
    const caption = label.firstChild;
    caption.style.transform = "";
    caption.style.transformOrigin = "";
    const lineHeight = parseFloat(getComputedStyle(label).fontSize) * 1.5;
    // Layout sizes: the table's scale does not change them.
    const wraps = caption.offsetHeight > lineHeight;
    label.classList.toggle("multiline", wraps);
    if (wraps)
      return;
    const room = label.clientWidth;
    const needed = caption.scrollWidth;
    // A line too long for its label starts at its left edge whatever its alignment.
    if (needed > room) {
      caption.style.transform = "scaleX(" + Math.max(0.75, room / needed) + ")";
      caption.style.transformOrigin = "left center";
    }
  }

  // The advised slot outlined, and on each playable card what it is expected to pay: the
  // advised one's figure green and outlined, as the desktop draws them. notes: [{slot,
  // expected}], the figures as the game words them.
  // words: the caption under each figure and the name of the figures together.
  showAdvice(slot, notes = [], words = {}) {
    this.advice = [slot, notes, words];
    const frame = this.adviceFrame;
    this.words = words;
    this.badges.setAttribute("aria-label", words.name || "");
    this.badges.replaceChildren();
    this.badges.hidden = !notes.length;
    this.badges.setAttribute("aria-description",
                             notes.map((note) => note.expected).join(", "));
    for (const note of notes)
      this.badges.append(this.badge(note, note.slot === slot));
    if (!slot) {
      frame.hidden = true;
      return;
    }
    this.frameSlot(frame, slot);
  }

  // Around the slot's button, in the gap between it and its neighbours.
  frameSlot(frame, slot) {
    const control = this.slotPlace(slot);
    const width = 3;
    frame.style.left = control.left - width + "px";
    frame.style.top = control.top - width + "px";
    frame.style.width = control.width + 2 * width + "px";
    frame.style.height = control.height + 2 * width + "px";
    frame.hidden = false;
  }

  // A slot whose card cannot be placed now is framed in red for a moment.
  refuse(slot) {
    this.frameSlot(this.refusedFrame, slot);
    clearTimeout(this.refusedTimer);
    this.refusedTimer = setTimeout(() => { this.refusedFrame.hidden = true; }, 400);
  }

  // The trainer's note lies over the foot of the card slots, as in the desktop window.
  placeNote() {
    const first = this.slotPlace(1), last = this.slotPlace(5);
    const { height, gap } = this.layout.note;
    Object.assign(this.note.style, {
      left: first.left + "px", width: last.left + last.width - first.left + "px",
      top: first.top + first.height - height - gap + "px", height: height + "px",
    });
  }

  showNote(text, name) {
    this.note.setAttribute("aria-label", name);
    this.note.textContent = text;
    this.note.hidden = !text;
  }

  slotPlace(slot) { return this.place("CARD" + slot); }

  // Near the foot of the card, inside its edges.
  badge(note, advised) {
    const card = this.slotPlace(note.slot);
    const { margin, height } = this.layout.badge;
    const badge = document.createElement("div");
    badge.className = advised ? "advice-badge advised" : "advice-badge";
    badge.dataset.slot = note.slot;
    badge.style.left = card.left + margin + "px";
    badge.style.top = card.top + card.height - margin - height + "px";
    badge.style.width = card.width - 2 * margin + "px";
    badge.style.height = height + "px";
    const figure = document.createElement("span");
    figure.className = "figure";
    figure.textContent = note.expected;
    const words = document.createElement("span");
    words.className = "words";
    words.textContent = this.words.caption || "";
    badge.append(figure, words);
    return badge;
  }
}
