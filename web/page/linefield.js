// The line field of touch screens: a name or a number typed in a real text
// field, which the on-screen keyboard does not cover, and Yes and No for
// the game's questions.

// The game's yes-or-no questions: "Are you sure you want to save?",
// "Would you like to rest?", "Are you going to run away?".
function yesorno(question) {
  return /^(are|would|will|do|shall)\b.*\?$/i.test(question.trim());
}

// The text field for a line on touch screens, under the terminal: its
// label is the game's prompt, Enter (or the button) sends the line, and
// Yes and No answer the game's questions. While the on-screen keyboard
// is up, the field sits on the keyboard, at the foot of what is visible.
export function linefield(send, backtoterminal) {
  const form = document.createElement('form');
  form.id = 'touchline';
  form.className = 'idle';
  form.innerHTML = `<label for="touchtext"></label>
<input id="touchtext" enterkeyhint="done" autocapitalize="words" autocomplete="off"
 autocorrect="off" spellcheck="false">
<button type="submit">Enter</button>
<button type="button" value="y">Yes</button><button type="button" value="n">No</button>`;
  const [label, text, enter, yes, no] = form.querySelectorAll('label, input, button');
  const controls = [text, enter, yes, no];

  // Whether the game waits for the line asked; one answer each.
  let open = false;

  function answer(line) {
    if (!open) return;
    open = false;
    text.value = '';
    send(`${line}\r`);
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    answer(text.value);
  });
  for (const button of [yes, no]) button.addEventListener('click', () => answer(button.value));
  // The page sends other clicks to the terminal; these stay here.
  form.addEventListener('click', (event) => event.stopPropagation());

  // Pinned at the foot of the visible part of the page while the
  // on-screen keyboard covers the rest.
  function pin() {
    const visible = window.visualViewport;
    const covered = visible && document.activeElement === text &&
      visible.height < window.innerHeight - 100;
    form.classList.toggle('pinned', Boolean(covered));
    form.style.top = covered ? `${visible.offsetTop + visible.height - form.offsetHeight}px` : '';
  }
  window.visualViewport?.addEventListener('resize', pin);
  window.visualViewport?.addEventListener('scroll', pin);
  text.addEventListener('focus', pin);
  text.addEventListener('blur', () => setTimeout(pin, 0));

  return {
    place(terminalbox) {
      terminalbox.after(form);
    },
    ask(prompt) {
      label.textContent = prompt;
      const question = yesorno(prompt);
      yes.hidden = no.hidden = !question;
      for (const control of controls) control.disabled = false;
      form.classList.remove('idle');
      open = true;
    },
    // Keys typed on a keyboard plugged in go to the terminal again.
    idle() {
      if (form.contains(document.activeElement)) backtoterminal();
      open = false;
      form.classList.add('idle');
      for (const control of controls) control.disabled = true;
    },
  };
}
