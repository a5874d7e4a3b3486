'use strict';
// The phone's side of the remote: pair once, then show the board as the laptop pushes it and send what
// the operator does. The program decides everything; this page only shows its answers.
(() => {
  const rowColours = ['#ffc080', '#80ff80', '#ffff80', '#8080ff', '#ff80ff', '#ff80ff', '#8080ff', '#ffff80', '#80ff80', '#ffc080'];
  const $ = (id) => document.getElementById(id);
  let board = null;
  let socket = null;
  let retries = 0;

  function say(text, ok) {
    $('message').textContent = text || '';
    $('message').className = ok ? 'ok' : 'error';
  }

  async function post(path, body) {
    try {
      const response = await fetch(path, {
        method: 'POST', credentials: 'same-origin',
        headers: { 'Content-Type': 'application/json' }, body: JSON.stringify(body || {}),
      });
      const answer = await response.json().catch(() => ({}));
      return { status: response.status, text: answer.message || answer.error || '' };
    } catch (e) {
      return { status: 0, text: '노트북에 닿지 않습니다. 같은 와이파이에 있는지 확인하세요.' };
    }
  }

  function showPairing(note) {
    board = null;
    $('pairing').hidden = false;
    $('board').hidden = true;
    $('commands').hidden = true;
    $('status').textContent = '연결되어 있지 않습니다';
    $('status').className = '';
    if (note) say(note, false);
  }

  function busyText(b) {
    if (b.racing) return '경주 중… 끝날 때까지 기다리세요';
    if (b.celebrating) return '승리팀 축하 중…';
    return '';
  }

  function render(b) {
    board = b;
    $('pairing').hidden = true;
    $('board').hidden = false;
    $('commands').hidden = false;
    const busy = b.racing || b.celebrating;
    $('status').textContent = busy ? busyText(b) : (b.loaded ? '연결됨' : '노트북에서 점수판을 여세요');
    $('status').className = busy ? 'busy' : '';
    for (const id of ['start', 'winner', 'save']) $(id).disabled = busy || !b.loaded;
    $('max').textContent = b.loaded ? `최대점수 ${b.max}` : '';
    const list = $('teams');
    // Rows are rebuilt only when the teams change, so a number being typed is not lost.
    if (list.children.length !== b.teams.length) {
      list.replaceChildren(...b.teams.map(makeRow));
    }
    b.teams.forEach((team, i) => {
      const row = list.children[i];
      row.querySelector('.name').textContent = team.name;
      row.querySelector('.score').textContent = team.score;
      const pending = row.querySelector('.pending');
      pending.textContent = team.pending ? (team.pending > 0 ? `+${team.pending}` : `${team.pending}`) : '';
      pending.className = team.pending < 0 ? 'pending minus' : 'pending';
      for (const control of row.querySelectorAll('input, button')) control.disabled = busy;
    });
  }

  function makeRow(team) {
    const row = document.createElement('li');
    row.className = 'team';
    row.dataset.slot = team.slot;
    row.style.setProperty('--row', rowColours[team.slot % rowColours.length]);
    row.innerHTML = '<div class="team-head"><span class="name"></span><span><span class="score"></span>' +
      '<span class="pending"></span></span></div>' +
      '<form class="give" autocomplete="off"><button type="button" class="sign" aria-label="부호 바꾸기">±</button>' +
      '<input inputmode="decimal" maxlength="12" placeholder="점수" aria-label="줄 점수">' +
      '<button type="submit" class="add">주기</button></form>';
    const input = row.querySelector('input');
    row.querySelector('.sign').addEventListener('click', () => {
      input.value = input.value.startsWith('-') ? input.value.slice(1) : '-' + input.value;
      input.focus();
    });
    row.querySelector('form').addEventListener('submit', async (event) => {
      event.preventDefault();
      const answer = await post('/api/points', { team: team.slot, points: input.value });
      if (answer.status === 200) input.value = '';
      handle(answer);
    });
    return row;
  }

  function handle(answer) {
    if (answer.status === 403 && board) {
      showPairing(answer.text);
      return;
    }
    say(answer.text, answer.status === 200);
  }

  function listen() {
    if (socket) socket.close();
    socket = new WebSocket(`ws://${location.host}/api/events`);
    socket.onmessage = (event) => { retries = 0; render(JSON.parse(event.data)); };
    socket.onclose = () => {
      socket = null;
      if (!board) return;
      $('status').textContent = '연결이 끊겼습니다. 다시 잇는 중…';
      // Bounded: after a minute of failures the operator reloads the page.
      if (++retries <= 30) setTimeout(start, 2000);
    };
  }

  async function start() {
    let response;
    try {
      response = await fetch('/api/state', { credentials: 'same-origin' });
    } catch (e) {
      if (board && ++retries <= 30) setTimeout(start, 2000);
      return;
    }
    if (response.status !== 200) {
      showPairing(board ? '이 휴대폰의 연결이 끝났습니다. 다시 연결하세요.' : '');
      return;
    }
    render(await response.json());
    listen();
  }

  async function pairWith(body) {
    const answer = await post('/api/pair', body);
    if (answer.status === 200) {
      say(answer.text, true);
      await start();
    } else {
      showPairing(answer.text);
    }
  }

  $('pair-form').addEventListener('submit', (event) => {
    event.preventDefault();
    pairWith({ code: $('code').value.replace(/\s/g, '') });
  });
  $('start').addEventListener('click', async () => handle(await post('/api/start')));
  $('winner').addEventListener('click', async () => handle(await post('/api/winner')));
  $('save').addEventListener('click', async () => handle(await post('/api/save')));

  // The QR code carries the pairing secret after '#', which never leaves the phone except to pair.
  const secret = new URLSearchParams(location.hash.slice(1)).get('k');
  if (secret) {
    history.replaceState(null, '', '/');
    pairWith({ secret });
  } else {
    start();
  }
})();
