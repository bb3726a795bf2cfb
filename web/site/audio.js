"use strict";

// One sound at a time with Web Audio: a new sound stops the one still playing. A sound that
// cannot be played is left out.
class Sound {
  constructor() {
    this.buffers = new Map();
    this.muted = false;
    this.playing = null;
    this.request = 0;
  }

  // Browsers start audio only after a gesture of the player.
  wake() {
    if (!this.context)
      this.context = new AudioContext();
    if (this.context.state === "suspended")
      this.context.resume();
  }

  buffer(path) {
    if (!this.buffers.has(path)) {
      this.buffers.set(path, fetch(siteFile(path))
        .then((response) => response.ok ? response.arrayBuffer() : Promise.reject())
        .then((data) => this.context.decodeAudioData(data)));
    }
    return this.buffers.get(path);
  }

  stop() {
    ++this.request;
    if (this.playing) {
      this.playing.stop();
      this.playing = null;
    }
  }

  async play(path) {
    if (this.muted || !this.context)
      return;
    this.stop();
    const request = this.request;
    try {
      const buffer = await this.buffer(path);
      if (request !== this.request)
        return;
      const source = this.context.createBufferSource();
      source.buffer = buffer;
      source.connect(this.context.destination);
      source.onended = () => { if (this.playing === source) this.playing = null; };
      source.start();
      this.playing = source;
    } catch {
      // No sound rather than an error.
    }
  }

  setMuted(muted) {
    this.muted = muted;
    if (muted)
      this.stop();
  }
}
