"use strict";

// Where the table's controls go. In a window of its own the table is the design: every control
// where the design puts it, captions at their own size. On a phone held upright the same
// controls are arranged in blocks down a tall, narrow table: the pay tables and the card board
// at the top, the counter, the pile and the credits, the five slots across the full width and
// the three big buttons at the foot, in reach of a thumb.
//
// A block takes the controls that lie inside a rectangle of the design (left, top, width,
// height in the design's pixels) and puts that rectangle at another one of the upright table,
// stretched as the two differ; its captions are drawn at their design size times its caption
// scale. Every control lies in exactly one block.
const arrangements = {
  // Narrower than this, in CSS pixels, and taller than wide: a phone held upright.
  uprightBelow: 600,

  upright: {
    width: 360,
    height: 624,
    blocks: [
      { what: "card-count pay table", from: [8, 8, 257, 129], to: [6, 6, 272, 148], caption: 1.15 },
      { what: "pile", from: [280, 8, 121, 185], to: [284, 26, 70, 107], caption: 1 },
      { what: "counter caption", from: [8, 144, 137, 49], to: [6, 160, 118, 62], caption: 0.9 },
      { what: "counter", from: [168, 144, 97, 49], to: [128, 160, 84, 62], caption: 0.85 },
      { what: "credits", from: [8, 424, 193, 65], to: [220, 160, 134, 62], caption: 0.75 },
      { what: "bonus pay table", from: [416, 8, 257, 97], to: [6, 228, 348, 112], caption: 1.15 },
      { what: "card board", from: [416, 128, 257, 65], to: [6, 346, 348, 75], caption: 1.15 },
      { what: "card slots", from: [8, 208, 665, 185], to: [4, 427, 352, 104], caption: 1 },
      { what: "slot captions", from: [8, 400, 665, 17], to: [4, 533, 352, 17], caption: 1 },
      { what: "BETx10", from: [280, 440, 121, 41], to: [6, 556, 112, 62], caption: 0.9 },
      { what: "BET", from: [416, 440, 121, 41], to: [124, 556, 112, 62], caption: 0.9 },
      { what: "START", from: [552, 440, 121, 41], to: [242, 556, 112, 62], caption: 0.9 },
    ],
    // The advice badge at the foot of a card, and the trainer's note over the slots' foot.
    badge: { margin: 1, height: 56 },
    note: { height: 56, gap: 4 },
  },

  window: { badge: { margin: 6, height: 44 }, note: { height: 40, gap: 6 } },

  // The buttons idle once the run has ended, over which its line is shown.
  idle: ["RepertBet", "BET", "START"],
  // The corners of the card-count pay table, looked at now and then, under the new-version
  // notice when the window has no free room for it.
  aside: ["Label1", "CPAY7"],

  isUpright() { return innerHeight > innerWidth && innerWidth < this.uprightBelow; },

  // The table's size and, for each control of the design in its order, its rectangle and the
  // scale of its caption, with the badges' and the note's measures.
  layout(design, upright) {
    if (!upright) {
      return { upright, width: design.width, height: design.height, ...this.window,
               controls: design.controls.map((c) => ({ left: c.left, top: c.top,
                                                       width: c.width, height: c.height,
                                                       caption: 1 })) };
    }
    const { width, height, blocks, badge, note } = this.upright;
    return { upright, width, height, badge, note, controls: design.controls.map((c) => {
      const inside = blocks.filter(({ from: [l, t, w, h] }) =>
        c.left >= l && c.top >= t && c.left + c.width <= l + w && c.top + c.height <= t + h);
      if (inside.length !== 1)
        throw new Error(`${c.name} lies in ${inside.length} blocks of the upright table`);
      const { from: [l, t, w, h], to: [x, y, tw, th], caption } = inside[0];
      const sx = tw / w, sy = th / h;
      return { left: x + (c.left - l) * sx, top: y + (c.top - t) * sy,
               width: c.width * sx, height: c.height * sy, caption };
    }) };
  },
};
